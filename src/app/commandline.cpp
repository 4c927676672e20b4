#include "commandline.h"

#include "programidentity.h"
#include "programversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Spielt Übertitel auf einer Zeichenanzeige am seriellen Anschluss ab."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Zeigt Produkt, Version und Erstellungsdatum."));
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("CommandLine", "Der Ablauf (.lta), der geöffnet wird."),
        QStringLiteral("[file]"));

    if (!parser.parse(arguments)) {
        m_request = Request::Error;
        m_text = parser.errorText();
        return;
    }
    if (parser.isSet(help)) {
        m_request = Request::Help;
        // The help names the program as started, which only an application knows.
        if (QCoreApplication::instance())
            m_text = parser.helpText();
        return;
    }
    if (parser.isSet(version)) {
        m_request = Request::Version;
        m_text = versionText(arguments.value(0));
        return;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        m_request = Request::Error;
        m_text = QCoreApplication::translate("CommandLine", "Nur eine Datei kann geöffnet werden.");
        return;
    }
    if (!files.isEmpty())
        m_sequenceFile = QFileInfo(files.first()).absoluteFilePath();
}

QString CommandLine::versionText(const QString& argv0) {
    const ProgramIdentity identity = ProgramIdentity::fromArgv0(argv0, QString());
    return identity.productWords().trimmed() + QLatin1Char(' ') +
           QLatin1String(ProgramVersion::text) + QStringLiteral(" (") +
           QLatin1String(ProgramVersion::date) + QStringLiteral("), built ") +
           QLatin1String(ProgramVersion::buildDate);
}
