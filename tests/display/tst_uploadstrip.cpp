#include "display/uploadstrip.h"
#include "windows/languageswitch.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class UploadStripTest : public QObject {
    Q_OBJECT

private slots:
    void shownOnlyOffline_data();
    void shownOnlyOffline();
    void buttonsSayWhatTheOperatorWants();
};

void UploadStripTest::shownOnlyOffline_data() {
    QTest::addColumn<QList<bool>>("modes");
    QTest::newRow("live") << QList<bool>{};
    QTest::newRow("offline") << QList<bool>{true};
    QTest::newRow("offline, then live") << QList<bool>{true, false};
}

void UploadStripTest::shownOnlyOffline() {
    QFETCH(QList<bool>, modes);
    QWidget window;
    auto* strip = new UploadStrip(&window);
    for (bool offline : modes)
        strip->setOfflineMode(offline);
    const bool shown = !modes.isEmpty() && modes.last();
    for (const char* name : {"AnzeigeSenden", "abbrechen"}) {
        auto* button = window.findChild<QPushButton*>(QLatin1String(name));
        QVERIFY(button);
        QCOMPARE(button->isVisibleTo(&window), shown);
    }
}

void UploadStripTest::buttonsSayWhatTheOperatorWants() {
    UploadStrip strip;
    strip.setOfflineMode(true);
    QSignalSpy upload(&strip, &UploadStrip::uploadRequested);
    QSignalSpy cancel(&strip, &UploadStrip::cancelRequested);
    QCOMPARE(strip.uploadButton()->text(), QStringLiteral("Senden"));
    QCOMPARE(strip.cancelButton()->text(), QStringLiteral("Abbrechen"));
    QVERIFY(strip.uploadButton()->isEnabled());
    QVERIFY(!strip.cancelButton()->isEnabled());
    strip.uploadButton()->click();
    QCOMPARE(upload.count(), 1);
    QCOMPARE(cancel.count(), 0);
    strip.setPending(true);
    QVERIFY(!strip.uploadButton()->isEnabled());
    strip.uploadButton()->click();
    strip.cancelButton()->click();
    QCOMPARE(upload.count(), 1);
    QCOMPARE(cancel.count(), 1);
    LanguageSwitch languages;
    languages.apply(QStringLiteral("GB"));
    QCOMPARE(strip.uploadButton()->text(), QStringLiteral("Transmit"));
    QCOMPARE(strip.cancelButton()->text(), QStringLiteral("Cancel"));
    languages.apply(QStringLiteral("D"));
    QCOMPARE(strip.uploadButton()->text(), QStringLiteral("Senden"));
}

QTEST_MAIN(UploadStripTest)
#include "tst_uploadstrip.moc"
