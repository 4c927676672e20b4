#include "sequence/finddialog.h"

#include "windows/languageswitch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

class FindDialogTest : public QObject {
    Q_OBJECT

private slots:
    void asksForTheRememberedColumn();
};

void FindDialogTest::asksForTheRememberedColumn() {
    FindDialog dialog;
    QVERIFY(!dialog.wholeWord()->isEnabled());
    QVERIFY(dialog.down()->isChecked());
    QVERIFY(!dialog.findNextButton()->isEnabled()); // nothing to search for yet

    QSignalSpy searches(&dialog, &FindDialog::findNext);
    dialog.openFor(7);
    QTest::keyClicks(dialog.textField(), QStringLiteral("hallo"));
    dialog.findNextButton()->click();
    dialog.openFor(4);
    dialog.matchCase()->setChecked(true);
    dialog.up()->setChecked(true);
    dialog.findNextButton()->click();

    QCOMPARE(searches.size(), 2);
    const auto first = searches.at(0).at(0).value<TableSearch::Query>();
    QCOMPARE(first.text, QStringLiteral("hallo"));
    QCOMPARE(first.column, 7);
    QVERIFY(!first.matchCase);
    QVERIFY(first.down);
    const auto second = searches.at(1).at(0).value<TableSearch::Query>();
    QCOMPARE(second.column, 4);
    QVERIFY(second.matchCase);
    QVERIFY(!second.down);

    LanguageSwitch languages;
    languages.apply(QStringLiteral("GB"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Find"));
}

QTEST_MAIN(FindDialogTest)
#include "tst_finddialog.moc"
