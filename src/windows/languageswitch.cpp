#include "languageswitch.h"

#include "language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

LanguageSwitch::LanguageSwitch() = default;

LanguageSwitch::~LanguageSwitch() = default;

void LanguageSwitch::apply(const QString& languageCode) {
    const bool english = Language::isEnglish(languageCode);
    if (m_applied && english == m_english)
        return;
    m_applied = true;
    m_english = english;
    if (english) {
        if (m_qtGerman)
            QCoreApplication::removeTranslator(m_qtGerman.get());
        if (!m_programEnglish) {
            m_programEnglish = std::make_unique<QTranslator>();
            if (!m_programEnglish->load(QStringLiteral(":/i18n/lumentafel_en.qm")))
                qWarning("the English texts are missing");
        }
        QCoreApplication::installTranslator(m_programEnglish.get());
    } else {
        if (m_programEnglish)
            QCoreApplication::removeTranslator(m_programEnglish.get());
        if (!m_qtGerman) {
            m_qtGerman = std::make_unique<QTranslator>();
            // Without Qt's German texts its boxes stay English; the program's own texts are
            // German all the same.
            if (!m_qtGerman->load(QStringLiteral("qtbase_de"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                qInfo("Qt's German texts are not installed");
        }
        QCoreApplication::installTranslator(m_qtGerman.get());
    }
    // The windows are told by posted events; they retranslate now, so whatever runs next
    // already reads the new texts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}
