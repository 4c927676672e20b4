#include "display/portselectdialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

class PortSelectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void chosenNumber_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("select");
        QTest::addColumn<int>("number");
        QTest::newRow("first item preselected") << QStringList{"COM3", "COM12"} << -1 << 3;
        QTest::newRow("two digits") << QStringList{"COM3", "COM12"} << 1 << 12;
        QTest::newRow("empty list") << QStringList{} << -1 << 0;
    }
    void chosenNumber() {
        QFETCH(QStringList, items);
        QFETCH(int, select);
        QFETCH(int, number);
        PortSelectDialog dialog(items);
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("PortsComboBox"));
        QVERIFY(list);
        QVERIFY(!list->isEditable());
        if (select >= 0)
            list->setCurrentIndex(select);
        QCOMPARE(dialog.chosenPort(), number);
    }
    void captionsAndButtons() {
        PortSelectDialog dialog({QStringLiteral("COM1")});
        QCOMPARE(dialog.objectName(), QStringLiteral("TComSelectForm"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("COM-Port auswählen"));
        QStringList buttons;
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            buttons << b->text();
        QVERIFY(buttons.contains(QStringLiteral("OK")));
        QVERIFY(buttons.contains(QStringLiteral("Abbruch")));
        QVERIFY(dialog.width() >= 220 && dialog.height() >= 131);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    }
};

QTEST_MAIN(PortSelectDialogTest)
#include "tst_portselectdialog.moc"
