#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The data that belongs to a language code: English exactly when the code is "GB" (letter
// case counts), German for every other code. The texts of the windows and boxes follow the
// installed translation instead (LanguageSwitch).
namespace Language {

inline bool isEnglish(const QString& languageCode) {
    return languageCode == QLatin1String("GB");
}

// The name a new, unsaved sequence gets.
inline QString untitledName(const QString& languageCode) {
    return isEnglish(languageCode) ? QStringLiteral("Untitled") : QStringLiteral("Unbenannt");
}

// A moment as the operator reads it in a message: the day, the month by its name and the time,
// in the language of the code, whatever the system's own locale.
inline QString dateTimeText(const QString& languageCode, const QDateTime& moment) {
    if (isEnglish(languageCode))
        return QLocale(QLocale::English, QLocale::UnitedKingdom)
            .toString(moment, QStringLiteral("d MMMM yyyy, HH:mm"));
    return QLocale(QLocale::German, QLocale::Germany)
        .toString(moment, QStringLiteral("d. MMMM yyyy, HH:mm"));
}

} // namespace Language
