#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Every text the upload shows, in one place; the English comes from the translation.
namespace UploadTexts {

QString waiting();
QString transmitting();
QString transmissionOk();
QString checkFailed();
QString memoryDefective();

QString tooLong();
QString boardTooLarge();
// Names the entries whose Parameter cell holds no number from 0 to 99.
QString parameterOutOfRange(const QList<QByteArray>& numbers);

} // namespace UploadTexts
