#pragma once

#include <QObject>
#include <QString>

// The open document: the file it lives in, whether the table differs from that file, and
// the main window's caption (caption prefix and the file's name without its folder).
//
// A document that has never been saved under a name of its own lives in the executable's
// folder under the untitled name of the language ("Unbenannt.lta" or "Untitled.lta").
class DocumentState final : public QObject {
    Q_OBJECT

public:
    explicit DocumentState(QObject* parent = nullptr);

    void setExecutableDir(const QString& folder) { m_executableDir = folder; }
    void setLanguageCode(const QString& languageCode) { m_languageCode = languageCode; }
    void setCaptionPrefix(const QString& prefix);

    QString untitledName() const;
    // The executable's folder, the untitled name and ".lta".
    QString untitledPath() const;
    static QString untitledPath(const QString& executableDir, const QString& languageCode);

    const QString& currentFile() const { return m_currentFile; }
    // Only the path; caption and modified flag stay (the start-up sets the last file aside).
    void setCurrentFile(const QString& path) { m_currentFile = path; }
    // The document now lives in `path`: caption follows, the document is clean.
    void setDocumentName(const QString& path);

    // True while the document has no name of its own: its file name is the untitled name of
    // the current language, or it is the untitled file of the other language in the
    // executable's folder (a document begun before a switch of language stays untitled and
    // is not written into the program's folder without a dialog).
    bool isUntitled() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    QString caption() const;

signals:
    void captionChanged(const QString& caption);
    void modifiedChanged(bool modified);

private:
    QString m_executableDir;
    QString m_languageCode = QStringLiteral("D");
    QString m_captionPrefix;
    QString m_currentFile;
    bool m_modified = false;
};
