#pragma once

#include <QString>

// The choice between the two languages of the interface. Every message decides its language
// when it is shown: English exactly when the language code is "GB" (letter case counts),
// German otherwise.
namespace Language {

inline bool isEnglish(const QString& languageCode) {
    return languageCode == QLatin1String("GB");
}

inline QString choose(const QString& languageCode, const QString& german, const QString& english) {
    return isEnglish(languageCode) ? english : german;
}

// The same for texts written in the source as UTF-8 literals.
inline QString choose(const QString& languageCode, const char* german, const char* english) {
    return QString::fromUtf8(isEnglish(languageCode) ? english : german);
}

// The name a new, unsaved sequence gets.
inline QString untitledName(const QString& languageCode) {
    return choose(languageCode, QStringLiteral("Unbenannt"), QStringLiteral("Untitled"));
}

} // namespace Language
