#include "sequence/documentstate.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class DocumentStateTest : public QObject {
    Q_OBJECT

private slots:
    void untitledDocuments_data();
    void untitledDocuments();
    void documentNameSetsCaptionAndCleans();
};

void DocumentStateTest::untitledDocuments_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("untitled");
    QTest::newRow("German untitled") << u"D"_s << u"/opt/ltf/Unbenannt.lta"_s << true;
    QTest::newRow("English untitled") << u"GB"_s << u"/opt/ltf/Untitled.lta"_s << true;
    QTest::newRow("untitled anywhere") << u"D"_s << u"/home/op/Unbenannt.lta"_s << true;
    QTest::newRow("letter case counts") << u"D"_s << u"/opt/ltf/unbenannt.lta"_s << false;
    QTest::newRow("named") << u"D"_s << u"/home/op/show.lta"_s << false;
    // Begun under German, English chosen since: still untitled, so saving asks for a name.
    QTest::newRow("other language in the program's folder")
        << u"GB"_s << u"/opt/ltf/Unbenannt.lta"_s << true;
    QTest::newRow("other language elsewhere is a name")
        << u"GB"_s << u"/home/op/Unbenannt.lta"_s << false;
}

void DocumentStateTest::untitledDocuments() {
    QFETCH(QString, language);
    QFETCH(QString, path);
    QFETCH(bool, untitled);
    DocumentState document;
    document.setExecutableDir(QStringLiteral("/opt/ltf"));
    document.setLanguageCode(language);
    document.setCurrentFile(path);
    QCOMPARE(document.isUntitled(), untitled);
}

void DocumentStateTest::documentNameSetsCaptionAndCleans() {
    DocumentState document;
    document.setExecutableDir(QStringLiteral("/opt/ltf"));
    document.setCaptionPrefix(QStringLiteral("RPW V1.54 - "));
    QSignalSpy captions(&document, &DocumentState::captionChanged);
    document.setModified(true);
    document.setDocumentName(document.untitledPath());
    QCOMPARE(document.currentFile(), QStringLiteral("/opt/ltf/Unbenannt.lta"));
    QCOMPARE(captions.takeLast().first().toString(), QStringLiteral("RPW V1.54 - Unbenannt.lta"));
    QVERIFY(!document.isModified());

    document.setModified(true);
    document.setCurrentFile(QStringLiteral("/home/op/show.lta"));
    QVERIFY(captions.isEmpty()); // the path alone changes neither caption nor flag
    QVERIFY(document.isModified());
}

QTEST_GUILESS_MAIN(DocumentStateTest)
#include "tst_documentstate.moc"
