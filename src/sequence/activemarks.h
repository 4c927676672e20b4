#pragma once

#include <QByteArray>
#include <QString>

// The words of the Aktiv column. The current language's words are the ones written:
// "JA"/"NEIN" in German, "YES"/"NO" in English. A cell keeps the words of the language it
// was written under, so readers recognise both languages' words (letter case counts):
// after a language switch an entry neither changes its state in the editor nor in playback,
// and the next commit rewrites its cell in the current language.
struct ActiveMarks {
    QByteArray active;
    QByteArray inactive;

    static ActiveMarks forLanguage(const QString& languageCode);

    // "JA" or "YES".
    static bool isActive(const QByteArray& cell);
    // "NEIN" or "NO".
    static bool isInactive(const QByteArray& cell);
    // The at-least-one-active rule compares without regard to letter case.
    static bool isActiveIgnoringCase(const QByteArray& cell);
};
