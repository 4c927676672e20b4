#pragma once

#include <QString>

enum class ProgramVariant { Stage, GeneralDisplay };

// What the name the program was started under decides: the product variant, its captions and
// the name and place of the settings file.
class ProgramIdentity {
public:
    // The general display variant with no name, until fromArgv0() gives the real one.
    ProgramIdentity() = default;

    // argv0 exactly as the program was started: a symlink's own name counts and is never
    // resolved. fallbackDir stands in for the executable's folder when argv0 has no folder
    // part (started through PATH).
    static ProgramIdentity fromArgv0(const QString& argv0, const QString& fallbackDir);

    // Stage when the file name's first three characters are exactly "RPW".
    ProgramVariant variant() const { return m_variant; }
    QString captionPrefix() const;
    QString productWords() const;
    QString executableName() const { return m_executableName; }
    QString executableDir() const { return m_executableDir; }
    // The executable's name without a trailing ".exe", with ".ini"; "RPW.ini" when that name
    // is shorter than two characters.
    QString settingsFileName() const;
    // Beside the executable when its folder is writable, else in configDir.
    QString settingsFilePath(const QString& configDir) const;

private:
    ProgramVariant m_variant = ProgramVariant::GeneralDisplay;
    QString m_executableName;
    QString m_executableDir;
};
