#include "scriptedprompter.h"

#include "windows/aboutwindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using Kind = ScriptedPrompter::Kind;

// Stands in for the desktop's browser: QDesktopServices hands it the addresses it opens.
class BrowserDouble : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void linkOpensTheWebAddress_data();
    void linkOpensTheWebAddress();
    void failedOpenIsReported();
    void defaultOpenerUsesTheDesktop();
    void okHides();
};

void AboutWindowTest::linkOpensTheWebAddress_data() {
    QTest::addColumn<bool>("button");
    QTest::newRow("address") << false;
    QTest::newRow("picture button") << true;
}

void AboutWindowTest::linkOpensTheWebAddress() {
    QFETCH(bool, button);
    ScriptedPrompter prompter;
    AboutWindow about(prompter);
    QList<QUrl> opened;
    about.setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    about.showModal();
    QWidget* target = button ? static_cast<QWidget*>(about.linkButton()) : about.linkLabel();
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.lumentafel.example.org"))});
    QCOMPARE(about.linkLabel()->text(), AboutWindow::webAddress());
    QVERIFY(prompter.finished());
}

void AboutWindowTest::failedOpenIsReported() {
    ScriptedPrompter prompter;
    prompter.expect(Kind::Error, QStringLiteral("Couldn't launch default browser"));
    AboutWindow about(prompter);
    about.setUrlOpener([](const QUrl&) { return false; });
    about.showModal();
    QTest::mouseClick(about.linkLabel(), Qt::LeftButton);
    QVERIFY2(prompter.finished(), prompter.report());
    QVERIFY(about.isVisible());
}

void AboutWindowTest::defaultOpenerUsesTheDesktop() {
    BrowserDouble browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    ScriptedPrompter prompter;
    AboutWindow about(prompter);
    about.openWebAddress();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.at(0).host(), QStringLiteral("www.lumentafel.example.org"));
    QVERIFY(prompter.finished());
}

void AboutWindowTest::okHides() {
    ScriptedPrompter prompter;
    AboutWindow about(prompter);
    about.showModal();
    QVERIFY(about.isModal());
    QTest::mouseClick(about.okButton(), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
