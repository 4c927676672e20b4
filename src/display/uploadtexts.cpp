#include "uploadtexts.h"

#include "platform/windows1252.h"
#include "windows/language.h"

#include <QStringList>

namespace UploadTexts {

QString uploadCaption(const QString& languageCode) {
    return Language::choose(languageCode, "Senden", "Transmit");
}

QString cancelCaption(const QString& languageCode) {
    return Language::choose(languageCode, "Abbrechen", "Cancel");
}

QString waiting(const QString& languageCode) {
    return Language::choose(languageCode, "Bitte warten...", "wait please...");
}

QString transmitting(const QString& languageCode) {
    return Language::choose(languageCode, "Wird gesendet...", "Transmit...");
}

QString transmissionOk(const QString& languageCode) {
    return Language::choose(languageCode, "Übertragung ist OK!", "Transmission OK!");
}

QString checkFailed(const QString& languageCode) {
    return Language::choose(languageCode, "Fehler bei Übertragung", "Error in transmission");
}

QString memoryDefective(const QString& languageCode) {
    return Language::choose(languageCode, "Anzeigespeicher ist defekt", "Defective displaymemory");
}

QString tooLong(const QString& languageCode) {
    return Language::choose(languageCode, "Text ist zu lang! Maximal 2048 Zeichen.",
                            "Text too long! 2048 characters maximum.");
}

QString boardTooLarge(const QString& languageCode) {
    return Language::choose(
        languageCode,
        "Nicht gesendet: Die Anzeige ist zu groß für die Übertragung (höchstens 99 Zeilen "
        "und 9999 Stellen).",
        "Not transmitted: the display is too large for the transmission (at most 99 lines "
        "and 9999 characters).");
}

QString parameterOutOfRange(const QString& languageCode, const QList<QByteArray>& numbers) {
    QStringList names;
    for (const QByteArray& number : numbers)
        names.append(Windows1252::toUnicode(number));
    return Language::choose(languageCode,
                            "Nicht gesendet: Die Zelle \"Parameter\" von Text Nr. %1 enthält "
                            "keine Zahl von 0 bis 99.",
                            "Not transmitted: the cell \"Parameter\" of text no. %1 holds no "
                            "number from 0 to 99.")
        .arg(names.join(QStringLiteral(", ")));
}

} // namespace UploadTexts
