#pragma once

#include <QString>
#include <QStringList>

// The program's command line, read the way desktop programs read theirs: "--help",
// "--version" and one optional sequence file. An option the program does not know is an
// error, never a file to open.
class CommandLine final {
public:
    enum class Request { Run, Help, Version, Error };

    // arguments as the program got them, the program's name first.
    explicit CommandLine(const QStringList& arguments);

    Request request() const { return m_request; }
    // The sequence file named, made absolute; empty when none was named.
    const QString& sequenceFile() const { return m_sequenceFile; }
    // The help text (only while an application object exists), the version text, or the
    // reason of an error.
    const QString& text() const { return m_text; }

    // The product, its version and the dates of the version and of this build.
    static QString versionText(const QString& argv0);

private:
    Request m_request = Request::Run;
    QString m_sequenceFile;
    QString m_text;
};
