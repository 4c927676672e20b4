#include "uploadtexts.h"

#include "platform/windows1252.h"

#include <QCoreApplication>
#include <QStringList>

namespace UploadTexts {

namespace {

QString tr(const char* german) {
    return QCoreApplication::translate("UploadTexts", german);
}

} // namespace

QString waiting() {
    return tr("Bitte warten...");
}

QString transmitting() {
    return tr("Wird gesendet...");
}

QString transmissionOk() {
    return tr("Übertragung ist OK!");
}

QString checkFailed() {
    return tr("Fehler bei Übertragung");
}

QString memoryDefective() {
    return tr("Anzeigespeicher ist defekt");
}

QString tooLong() {
    return tr("Text ist zu lang! Maximal 2048 Zeichen.");
}

QString boardTooLarge() {
    return tr("Nicht gesendet: Die Anzeige ist zu groß für die Übertragung (höchstens 99 Zeilen "
              "und 9999 Stellen).");
}

QString parameterOutOfRange(const QList<QByteArray>& numbers) {
    QStringList names;
    for (const QByteArray& number : numbers)
        names.append(Windows1252::toUnicode(number));
    return tr("Nicht gesendet: Die Zelle \"Parameter\" von Text Nr. %1 enthält "
              "keine Zahl von 0 bis 99.")
        .arg(names.join(QStringLiteral(", ")));
}

} // namespace UploadTexts
