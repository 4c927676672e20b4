#pragma once

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

} // namespace Language
