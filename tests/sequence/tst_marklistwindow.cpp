#include "sequence/marklist.h"
#include "sequence/marklistwindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class MarkListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheListAndReportsClicks();
    void closingOnlyHides();
};

void MarkListWindowTest::showsTheListAndReportsClicks() {
    MarkList marks;
    marks.append("00030");
    marks.append("0001\xC4"); // a number with an umlaut, in Windows-1252
    MarkListWindow window;
    window.setMarkList(&marks);
    window.showAt(QPoint(40, 50));
    QCOMPARE(window.numberList()->count(), 2);
    QCOMPARE(window.numberList()->item(1)->text(), QStringLiteral("0001Ä"));

    QSignalSpy clicked(&window, &MarkListWindow::numberClicked);
    QListWidget* list = window.numberList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toByteArray(), QByteArray("0001\xC4"));
    // Outside the items nothing happens.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(5, list->viewport()->height() - 3));
    QCOMPARE(clicked.size(), 1);

    marks.remove("00030");
    window.refresh();
    QCOMPARE(window.numberList()->count(), 1);
}

void MarkListWindowTest::closingOnlyHides() {
    MarkList marks;
    marks.append("00010");
    MarkListWindow window;
    window.setMarkList(&marks);
    window.showAt(QPoint(0, 0));
    QSignalSpy deletes(&window, &MarkListWindow::deleteRequested);
    QSignalSpy exchanges(&window, &MarkListWindow::exchangeRequested);
    window.deleteButton()->click();
    window.exchangeButton()->click();
    QCOMPARE(deletes.size(), 1);
    QCOMPARE(exchanges.size(), 1);
    window.closeButton()->click();
    QVERIFY(window.isHidden());
    window.showAt(QPoint(0, 0));
    window.close();
    QVERIFY(window.isHidden());
    QCOMPARE(window.numberList()->count(), 1);
    QCOMPARE(marks.numbers().size(), 1);
}

QTEST_MAIN(MarkListWindowTest)
#include "tst_marklistwindow.moc"
