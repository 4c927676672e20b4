#include "documentstate.h"

#include "windows/language.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Extension = QStringLiteral(".lta");

} // namespace

DocumentState::DocumentState(QObject* parent)
    : QObject(parent) {
}

void DocumentState::setCaptionPrefix(const QString& prefix) {
    if (prefix == m_captionPrefix)
        return;
    m_captionPrefix = prefix;
    emit captionChanged(caption());
}

QString DocumentState::untitledName() const {
    return Language::untitledName(m_languageCode);
}

QString DocumentState::untitledPath() const {
    return untitledPath(m_executableDir, m_languageCode);
}

QString DocumentState::untitledPath(const QString& executableDir, const QString& languageCode) {
    return executableDir + QLatin1Char('/') + Language::untitledName(languageCode) + Extension;
}

void DocumentState::setDocumentName(const QString& path) {
    m_currentFile = path;
    emit captionChanged(caption());
    setModified(false);
}

bool DocumentState::isUntitled() const {
    const QFileInfo file(m_currentFile);
    if (file.fileName() == untitledName() + Extension)
        return true;
    const QString otherLanguage = Language::isEnglish(m_languageCode)
                                      ? Language::untitledName(QStringLiteral("D"))
                                      : Language::untitledName(QStringLiteral("GB"));
    return file.fileName() == otherLanguage + Extension &&
           QDir(file.absolutePath()) == QDir(m_executableDir);
}

void DocumentState::setModified(bool modified) {
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

QString DocumentState::caption() const {
    return m_captionPrefix + QFileInfo(m_currentFile).fileName();
}
