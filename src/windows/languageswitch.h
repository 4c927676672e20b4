#pragma once

#include <QString>

#include <memory>

class QTranslator;

// Switches every text of the program between German, the language the texts are written in,
// and English. English installs the program's English translation; German installs Qt's own
// German texts (the buttons of the question boxes, the file dialogs, the context menus), so
// both the program's and Qt's texts follow the choice. Every window then receives its
// language change before apply returns.
class LanguageSwitch final {
public:
    LanguageSwitch();
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // "GB" chooses English, every other code German.
    void apply(const QString& languageCode);
    bool english() const { return m_english; }

private:
    std::unique_ptr<QTranslator> m_programEnglish;
    std::unique_ptr<QTranslator> m_qtGerman;
    bool m_applied = false;
    bool m_english = false;
};
