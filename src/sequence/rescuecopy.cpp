#include "rescuecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QLatin1String Extension(".lta");
const QLatin1String Marker(".rescue");

} // namespace

QString RescueCopy::path(const QString& documentPath, const QString& folder) {
    const QFileInfo file(documentPath);
    QString base = file.fileName();
    if (base.endsWith(Extension, Qt::CaseInsensitive))
        base.chop(Extension.size());
    if (base.endsWith(Marker))
        base.chop(Marker.size()); // a rescue of a rescue replaces the older copy
    return QDir::cleanPath(
        QDir(folder.isEmpty() ? file.absolutePath() : folder).filePath(base + Marker + Extension));
}

QStringList RescueCopy::paths(const QString& documentPath, const QString& fallbackFolder) {
    QStringList result{path(documentPath)};
    if (!fallbackFolder.isEmpty()) {
        const QString fallback = path(documentPath, fallbackFolder);
        if (fallback != result.first())
            result.append(fallback);
    }
    return result;
}

QString RescueCopy::find(const QString& documentPath, const QString& fallbackFolder) {
    for (const QString& candidate : paths(documentPath, fallbackFolder)) {
        // A document that is itself a rescue copy has no other one.
        if (candidate != QFileInfo(documentPath).absoluteFilePath() &&
            QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

bool RescueCopy::isNewerThanDocument(const QString& rescuePath, const QString& documentPath) {
    const QFileInfo document(documentPath);
    return !document.isFile() || QFileInfo(rescuePath).lastModified() > document.lastModified();
}

bool RescueCopy::holdsTheDocument(const QString& rescuePath, const QString& documentPath) {
    QFile rescue(rescuePath);
    QFile document(documentPath);
    if (rescue.size() != document.size() || !rescue.open(QIODevice::ReadOnly) ||
        !document.open(QIODevice::ReadOnly))
        return false;
    return rescue.readAll() == document.readAll();
}

QString RescueCopy::keepAside(const QString& rescuePath) {
    const QFileInfo rescue(rescuePath);
    // "show.rescue" and the time.
    const QString name =
        rescue.completeBaseName() + QLatin1Char(' ') + stamp(rescue.lastModified());
    for (int n = 1; n < 1000; ++n) {
        const QString aside = rescue.dir().filePath(
            name + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + Extension);
        // rename() never replaces a file that exists.
        if (!QFileInfo::exists(aside))
            return QFile::rename(rescuePath, aside) ? aside : QString();
    }
    return QString();
}

QString RescueCopy::stamp(const QDateTime& written) {
    return written.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
}
