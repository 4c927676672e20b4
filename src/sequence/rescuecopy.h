#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Where the rescue copy of a document lives and what becomes of one the operator does not
// take back. "show.lta" is rescued as "show.rescue.lta" beside it, or in a folder of the
// program's own when the document's folder cannot be written (an untitled document in a
// program folder the operator may not write).
class RescueCopy final {
public:
    RescueCopy() = delete;

    // "show.lta" gives "show.rescue.lta" in `folder`, by default the document's own.
    static QString path(const QString& documentPath, const QString& folder = QString());
    // The places tried in order: beside the document, then in `fallbackFolder` (if any).
    static QStringList paths(const QString& documentPath, const QString& fallbackFolder);
    // The first rescue copy of the document found in those places; empty when there is none.
    static QString find(const QString& documentPath, const QString& fallbackFolder);
    // True when the copy was written after the document's file (or the file is gone).
    static bool isNewerThanDocument(const QString& rescuePath, const QString& documentPath);
    // True when the copy holds exactly the bytes of the document's file: a save took in all
    // of it (the copy was left behind when the program ended before removing it).
    static bool holdsTheDocument(const QString& rescuePath, const QString& documentPath);
    // Renames the copy aside with the time it was written in its name ("show.rescue
    // 2026-12-08 13-35-02.lta"), never over another file. Returns the new path, or empty
    // when the copy could not be renamed (it then stays where it was).
    static QString keepAside(const QString& rescuePath);
    // The time a copy was written, as its name kept aside shows it.
    static QString stamp(const QDateTime& written);
};
