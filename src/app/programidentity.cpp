#include "app/programidentity.h"

#include "programversion.h"

#include <QDir>
#include <QFileInfo>

ProgramIdentity ProgramIdentity::fromArgv0(const QString& argv0, const QString& fallbackDir) {
    const QString path = QDir::fromNativeSeparators(argv0);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    ProgramIdentity identity;
    identity.m_executableName = path.mid(slash + 1);
    const QString folder = slash < 0    ? QDir::fromNativeSeparators(fallbackDir)
                           : slash == 0 ? QStringLiteral("/")
                                        : path.left(slash);
    // Made absolute and tidied, never resolved: a folder reached through a symlink stays so.
    identity.m_executableDir = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    identity.m_variant = identity.m_executableName.startsWith(QLatin1String("RPW"))
                             ? ProgramVariant::Stage
                             : ProgramVariant::GeneralDisplay;
    return identity;
}

QString ProgramIdentity::captionPrefix() const {
    const char* shortName = m_variant == ProgramVariant::Stage ? "RPW " : "LTF ";
    return QLatin1String(shortName) + QLatin1String(ProgramVersion::text) + QStringLiteral(" - ");
}

QString ProgramIdentity::productWords() const {
    return m_variant == ProgramVariant::Stage ? QStringLiteral("Korvel Rampenwort ")
                                              : QStringLiteral("Korvel Lumentafel ");
}

QString ProgramIdentity::settingsFileName() const {
    QString base = m_executableName;
    if (base.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        base.chop(4);
    }
    if (base.size() < 2) {
        base = QStringLiteral("RPW");
    }
    return base + QStringLiteral(".ini");
}

QString ProgramIdentity::settingsFilePath(const QString& configDir) const {
    const QFileInfo folder(m_executableDir);
    const QString dir = folder.isDir() && folder.isWritable() ? m_executableDir : configDir;
    return QDir(dir).filePath(settingsFileName());
}
