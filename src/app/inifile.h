#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// An INI document read and written the way the Windows profile functions do it, kept line by
// line so that a write touches only the line of its key. Bytes are Windows-1252.
//
// Reading: section and key names match without regard to letter case; whitespace around
// section names, keys and values is ignored; a value in matching double or single quotes
// loses them; lines starting with ';' are comments; the first matching key in the first
// matching section wins.
class IniFile {
public:
    // A missing or unreadable file gives an empty document.
    static IniFile load(const QString& path);
    // Like load(), but tells a file that exists and cannot be read apart from a missing one
    // (which gives an empty document): a write pass must not replace a file it never saw.
    static std::optional<IniFile> tryLoad(const QString& path);
    // False when the file cannot be written. Writes atomically, following a symlink to its
    // target so that the link itself stays in place.
    bool save(const QString& path) const;

    bool contains(const QByteArray& section, const QByteArray& key) const;
    QByteArray readString(const QByteArray& section, const QByteArray& key,
                          const QByteArray& defaultValue) const;
    // Missing or not a valid integer gives the default. "0x"/"0X" with at least one more
    // character is hexadecimal; otherwise decimal with an optional sign; overflow is invalid.
    int readInteger(const QByteArray& section, const QByteArray& key, int defaultValue) const;
    // Changes only the key's line; adds the key after the last non-blank line of its section,
    // or the section at the end, when missing.
    void writeString(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    void writeInteger(const QByteArray& section, const QByteArray& key, int value);

    QByteArray toBytes() const;
    static IniFile fromBytes(const QByteArray& bytes);

    // The integer rule of readInteger() on its own; empty when the text is no valid integer.
    static std::optional<int> parseInteger(const QByteArray& text);

private:
    struct Line {
        QByteArray text; // without its line end
        QByteArray end;  // "\r\n", "\n", or empty for a last line without one
    };
    struct Range {
        int header = -1; // line of the section header; -1 when the section is missing
        int end = 0;     // first line after the section
    };

    Range findSection(const QByteArray& section) const;
    int findKey(const Range& range, const QByteArray& key) const;

    std::vector<Line> m_lines;
    QByteArray m_lineEnd = "\r\n"; // used for every line this document adds
};
