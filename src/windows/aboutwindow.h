#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class Prompter;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The about window: product, version and date, the project's logo, address and notice of
// rights, and a link that opens the project's web address in the desktop's browser. Shown
// modally over the main window; "OK" hides it.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    // Opens an address in the desktop's default browser; false when that failed.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit AboutWindow(Prompter& prompter, QWidget* parent = nullptr);
    // Caption: product words, caption prefix, "Info"; title label: product words and the
    // caption prefix without its closing "- ", so that it ends in the version and a blank.
    void setVariantCaptions(const QString& productWords, const QString& captionPrefix);
    // By default QDesktopServices::openUrl.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    void showModal();
    // The address the link shows, opened; a browser that cannot be started is reported and
    // the window stays open.
    void openWebAddress();

    QLabel* titleLabel() const { return m_title; }
    QLabel* linkLabel() const { return m_link; }
    QToolButton* linkButton() const { return m_linkButton; }
    QPushButton* okButton() const { return m_ok; }
    QPlainTextEdit* addressBox() const { return m_address; }

    // The project's web address as the link shows it.
    static QString webAddress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Prompter& m_prompter;
    UrlOpener m_openUrl;
    QLabel* m_title = nullptr;
    QLabel* m_rights = nullptr;
    QLabel* m_link = nullptr;
    QToolButton* m_linkButton = nullptr;
    QPlainTextEdit* m_address = nullptr;
    QPushButton* m_ok = nullptr;
};
