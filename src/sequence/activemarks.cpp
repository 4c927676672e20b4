#include "activemarks.h"

#include "windows/language.h"

ActiveMarks ActiveMarks::forLanguage(const QString& languageCode) {
    if (Language::isEnglish(languageCode))
        return {QByteArrayLiteral("YES"), QByteArrayLiteral("NO")};
    return {QByteArrayLiteral("JA"), QByteArrayLiteral("NEIN")};
}

bool ActiveMarks::isActive(const QByteArray& cell) {
    return cell == "JA" || cell == "YES";
}

bool ActiveMarks::isInactive(const QByteArray& cell) {
    return cell == "NEIN" || cell == "NO";
}

bool ActiveMarks::isActiveIgnoringCase(const QByteArray& cell) {
    const QByteArray upper = cell.toUpper();
    return upper == "JA" || upper == "YES";
}
