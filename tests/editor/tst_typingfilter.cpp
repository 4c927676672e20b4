#include "editorrig.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <functional>

class TypingFilterTest : public QObject {
    Q_OBJECT

private slots:
    void typedIntoEachEditor_data();
    void typedIntoEachEditor();
    void lowerCaseAllowed();
    void editingKeysNeverBlocked_data();
    void editingKeysNeverBlocked();
    void inputMethodCommitsFiltered_data();
    void inputMethodCommitsFiltered();
    void fixedLinesOnlyCapitalised();
};

namespace {

QWidget* editor(EntryEditorPanel& panel, int which) {
    const TextKind kinds[] = {TextKind::Block, TextKind::Scroll, TextKind::Flow};
    return panel.editorOf(kinds[which]);
}

QString text(QWidget* editor) {
    if (auto* rich = qobject_cast<QTextEdit*>(editor))
        return rich->toPlainText();
    return static_cast<QPlainTextEdit*>(editor)->toPlainText();
}

const char* const EditorNames[] = {"block", "scroll", "flow"};

// Typed as a keyboard types them, umlauts and letters of other scripts included.
void type(QWidget* field, const QString& characters) {
    for (const QChar c : characters)
        QTest::sendKeyEvent(QTest::Click, field, static_cast<Qt::Key>(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

} // namespace

void TypingFilterTest::typedIntoEachEditor_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<int>("beeps");

    const struct {
        const char* name;
        const char* typed;
        const char* inserted;
        int beeps;
    } rows[] = {
        {"letters", "az", "AZ", 0},
        {"umlauts", "äöü", "ÄÖÜ", 0},
        {"sharp s stays", "ß", "ß", 0},
        {"digits and punctuation", "09 !\"$%&'()*+,-./:;<=>?@", "09 !\"$%&'()*+,-./:;<=>?@", 0},
        {"euro sign", "€", "€", 0},
        {"accented letter", "é", "", 1},
        {"number sign", "#", "", 1},
        {"brackets, backslash, caret, underscore, grave", "[\\]^_`", "", 6},
        {"braces, bar, tilde", "{|}~", "", 4},
        {"outside the code page", "Ω", "", 1},
        {"one beep per refused character", "a#b~c", "ABC", 2},
    };
    for (int which = 0; which < 3; ++which)
        for (const auto& row : rows)
            QTest::addRow("%s: %s", EditorNames[which], row.name)
                << which << QString::fromUtf8(row.typed) << QString::fromUtf8(row.inserted)
                << row.beeps;
}

void TypingFilterTest::typedIntoEachEditor() {
    QFETCH(int, which);
    QFETCH(QString, typed);
    QFETCH(QString, inserted);
    QFETCH(int, beeps);
    EditorRig rig;
    QWidget* field = editor(*rig.panel, which);
    type(field, typed);
    QCOMPARE(text(field), inserted);
    QCOMPARE(rig.prompter.beeps(), beeps);
}

void TypingFilterTest::lowerCaseAllowed() {
    EditorRig rig;
    DisplaySetup setup = rig.panel->displaySetup();
    setup.lowerCaseAllowed = true;
    rig.panel->setUpForDisplay(setup);
    for (int which = 0; which < 3; ++which) {
        type(editor(*rig.panel, which), QStringLiteral("aäß#"));
        QCOMPARE(text(editor(*rig.panel, which)), QStringLiteral("aäß"));
    }
    QCOMPARE(rig.prompter.beeps(), 3);
}

using Keys = std::function<void(QWidget*)>;
Q_DECLARE_METATYPE(Keys)

void TypingFilterTest::editingKeysNeverBlocked_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("after");

    const struct {
        const char* name;
        Keys keys;
        const char* after;
    } rows[] = {
        {"backspace", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Backspace); }, "AB"},
        {"arrow and delete",
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_Left);
             QTest::keyClick(w, Qt::Key_Delete);
         },
         "AB"},
        {"select all and cut",
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier);
         },
         ""},
    };
    for (int which = 0; which < 3; ++which)
        for (const auto& row : rows)
            QTest::addRow("%s: %s", EditorNames[which], row.name)
                << which << row.keys << QString::fromUtf8(row.after);
}

void TypingFilterTest::editingKeysNeverBlocked() {
    QFETCH(int, which);
    QFETCH(Keys, keys);
    QFETCH(QString, after);
    EditorRig rig;
    QWidget* field = editor(*rig.panel, which);
    QTest::keyClicks(field, QStringLiteral("ABC"));
    keys(field);
    QCOMPARE(text(field), after);
    QCOMPARE(rig.prompter.beeps(), 0);
}

void TypingFilterTest::inputMethodCommitsFiltered_data() {
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<int>("beeps");

    QTest::newRow("dead key accent refused") << QStringLiteral("é") << QString() << 1;
    QTest::newRow("compose umlaut capitalised") << QStringLiteral("ä") << QStringLiteral("Ä") << 0;
    QTest::newRow("compose tilde refused") << QStringLiteral("a~") << QStringLiteral("A") << 1;
}

void TypingFilterTest::inputMethodCommitsFiltered() {
    QFETCH(QString, commit);
    QFETCH(QString, inserted);
    QFETCH(int, beeps);
    EditorRig rig;
    for (int which = 0; which < 3; ++which) {
        QWidget* field = editor(*rig.panel, which);
        QInputMethodEvent event;
        event.setCommitString(commit);
        QCoreApplication::sendEvent(field, &event);
        QCOMPARE(text(field), inserted);
    }
    QCOMPARE(rig.prompter.beeps(), 3 * beeps);
}

void TypingFilterTest::fixedLinesOnlyCapitalised() {
    EditorRig rig(3, 5);
    QLineEdit* field = rig.panel->flowLineFields().first();
    rig.editor->setEntryModified(false);
    type(field, QStringLiteral("aß#é~xyz"));
    // No filter: nothing refused, no beep; at most the display's columns.
    QCOMPARE(field->text(), QStringLiteral("Aß#é~"));
    QCOMPARE(rig.prompter.beeps(), 0);
    QVERIFY(rig.editor->isEntryModified());
}

QTEST_MAIN(TypingFilterTest)
#include "tst_typingfilter.moc"
