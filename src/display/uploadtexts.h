#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Every text the upload shows, in German and English, in one place.
namespace UploadTexts {

QString uploadCaption(const QString& languageCode);
QString cancelCaption(const QString& languageCode);

QString waiting(const QString& languageCode);
QString transmitting(const QString& languageCode);
QString transmissionOk(const QString& languageCode);
QString checkFailed(const QString& languageCode);
QString memoryDefective(const QString& languageCode);

QString tooLong(const QString& languageCode);
QString boardTooLarge(const QString& languageCode);
// Names the entries whose Parameter cell holds no number from 0 to 99.
QString parameterOutOfRange(const QString& languageCode, const QList<QByteArray>& numbers);

} // namespace UploadTexts
