#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "display/displayoutput.h"
#include "display/portcommand.h"
#include "display/portselectdialog.h"
#include "display/statusline.h"
#include "display/uploadstrip.h"
#include "display/uploadtexts.h"
#include "platform/qtserialport.h"
#include "programfolder.h"
#include "sequence/activemarks.h"
#include "sequence/documentstate.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencetable.h"
#include "windows/accessiblenames.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct ProgramRig {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit ProgramRig(const QByteArray& language = "D", const QByteArray& offline = "0") {
        services = servicesInFolder(dir.path(), QStringLiteral("RPW"), clock, pump, prompter, port);
        QFile f(dir.filePath(QStringLiteral("RPW.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write("[Anzeige]\nSeriellerCOM-Port=1\noffline=" + offline +
                    "\n[Programm]\nSprache=" + language + "\n");
        f.close();
        port.setAvailablePorts({1});
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
    MainWindow& main() { return windows->main(); }
    void choose(QAction* item) {
        item->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};

QString where(const QObject* o) {
    QStringList path;
    for (; o; o = o->parent())
        path.prepend(QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(':') +
                     o->objectName());
    return path.join(QLatin1Char('/'));
}

// Every text the operator can read in any window: titles, captions, tabs, hints, menu items,
// the names the accessibility bus announces and the table's header cells.
QMap<QString, QString> snapshot() {
    QMap<QString, QString> texts;
    const auto add = [&texts](const QString& key, const QString& text) {
        if (!text.isEmpty())
            texts.insert(key, text);
    };
    QSet<QAction*> actions;
    for (QWidget* w : QApplication::allWidgets()) {
        // A control hidden by design (a measuring label, a hidden flag) shows nothing.
        if (!w->isWindow() && w->isHidden())
            continue;
        const QString at = where(w);
        if (w->isWindow())
            add(at + QStringLiteral("#title"), w->windowTitle());
        add(at + QStringLiteral("#hint"), w->toolTip());
        add(at + QStringLiteral("#name"), w->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(at + QStringLiteral("#text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(at + QStringLiteral("#text"), button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            add(at + QStringLiteral("#title"), box->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(at + QStringLiteral("#tab%1").arg(i), tabs->tabText(i));
        for (QAction* a : w->actions())
            actions.insert(a);
        for (QAction* a : w->findChildren<QAction*>())
            actions.insert(a);
    }
    for (QAction* a : actions) {
        add(where(a) + QStringLiteral("#%1#action").arg(quintptr(a)), a->text());
        if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            add(where(a) + QStringLiteral("#%1#hint").arg(quintptr(a)), a->toolTip());
    }
    return texts;
}

// What the operator reads when the port or an upload fails, in boxes and in the status bar:
// each failure raised through the program where it can be, in the order below.
QStringList failureTexts(ProgramRig& rig) {
    QStringList texts;
    QObject receiver;
    QObject::connect(rig.main().form().statusLine, &QStatusBar::messageChanged, &receiver,
                     [&texts](const QString& text) {
                         if (!text.isEmpty())
                             texts << text;
                     });
    QPushButton* upload = rig.main().form().uploadStrip->uploadButton();
    using Kind = ScriptedPrompter::Kind;
    // No port chosen, a port without its device, a device that refuses the request.
    rig.port.close();
    rig.port.setPortNumber(0);
    rig.prompter.expectPort({}, 0).expect(Kind::Error, QString());
    upload->click();
    rig.port.setPortNumber(3);
    rig.prompter.expect(Kind::Error, QStringLiteral("COM3"));
    upload->click();
    rig.port.setPortNumber(1);
    rig.port.setRefuseWrites(true);
    rig.prompter.expect(Kind::Error, QString());
    upload->click();
    rig.port.setRefuseWrites(false);
    rig.main().form().uploadStrip->cancelButton()->click();
    // The board asks for the data while the output buffer is full, then again; its answers.
    upload->click();
    rig.port.setQueued(1 << 30);
    rig.prompter.expect(Kind::Error, QString());
    rig.port.injectReply("<<<BEREIT!>>>");
    rig.port.setQueued(0);
    rig.port.injectReply("<<<BEREIT!>>><<<CHECK FALSE>>>");
    upload->click();
    rig.port.injectReply("<<<BEREIT!>>><<<EEPROM FALSE>>>");
    upload->click();
    rig.port.injectReply("<<<BEREIT!>>><<<OK!>>>");
    for (const QString& text : rig.prompter.shown()) {
        if (!text.isEmpty()) // the port dialog's empty list
            texts << text;
    }
    // The texts of failures a double cannot raise.
    for (const QSerialPort::SerialPortError error :
         {QSerialPort::DeviceNotFoundError, QSerialPort::PermissionError, QSerialPort::OpenError,
          QSerialPort::UnknownError})
        texts << QtSerialPort::openFailure(error, QStringLiteral("/dev/ttyS2"),
                                           QStringLiteral("x"));
    texts << QtSerialPort::noDeviceFor(3) << DisplayOutput::unavailableMessage(3)
          << PortCommand::noPortStatus() << PortCommand::retryQuestion(3) << UploadTexts::tooLong()
          << UploadTexts::boardTooLarge() << UploadTexts::parameterOutOfRange({"00010"});
    return texts;
}

// Shown unless hidden on purpose: a page of a stack is hidden only while another page is up.
bool shownByDesign(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
            return false;
    }
    return true;
}

// A name is words: a symbol, a number or a single letter says nothing to a listener.
bool isWords(const QString& name) {
    static const QRegularExpression word(QStringLiteral("\\p{L}\\p{L}"));
    return name.contains(word);
}

// The controls of one window that the keyboard reaches, and its buttons, without a name.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !shownByDesign(w, window))
            continue;
        const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w);
        // A control's parts (a spin field's text, a tab widget's bar) are announced with it;
        // the table's corner button selects all.
        const QWidget* parent = w->parentWidget();
        if (!control || w->inherits("QTableCornerButton") ||
            (parent &&
             (parent->focusProxy() == w || qobject_cast<const QAbstractSpinBox*>(parent))))
            continue;
        const QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w);
        const QString name = access ? access->text(QAccessible::Name) : QString();
        if (!isWords(name))
            unnamed << QStringLiteral("%1 %2 in %3: \"%4\"")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                window->objectName(), name);
    }
    return unnamed;
}

QMap<QString, QString> withHeader(MainWindow& window, QMap<QString, QString> texts) {
    for (int c = 1; c < SequenceTable::Columns; ++c)
        texts.insert(QStringLiteral("header%1").arg(c),
                     window.table().headerData(c, Qt::Horizontal).toString());
    return texts;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextSwitches();
    void everyFailureTextSwitches();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void namesFromLabelsAndHints_data();
    void namesFromLabelsAndHints();
    void questionAfterASwitch_data();
    void questionAfterASwitch();
    void activeWordsAndUntitledName();
    void englishFromTheSettings();
};

// A text added without its English fails here, in whatever window it appears.
void LanguagesTest::everyTextSwitches() {
    ProgramRig rig;
    MainWindow& window = rig.main();
    const QMap<QString, QString> german = withHeader(window, snapshot());
    rig.choose(window.form().englishAction);
    const QMap<QString, QString> english = withHeader(window, snapshot());
    // The same in both languages: symbols, numbers, names and words both languages share, and
    // Qt's own names of the tab bar's scroll buttons (German where Qt's German texts are
    // installed).
    const QSet<QString> same{
        QStringLiteral("▶"),
        QStringLiteral("■"),
        QStringLiteral("❚❚"),
        QStringLiteral("M"),
        QStringLiteral("|◀"),
        QStringLiteral("▶|"),
        QStringLiteral("◀"),
        QStringLiteral("50%"),
        QStringLiteral("100%"),
        QStringLiteral("150%"),
        QStringLiteral("0.5"),
        QStringLiteral("&Stop"),
        QStringLiteral("&COM-Port"),
        QStringLiteral("&Info"),
        QStringLiteral("Min."),
        QStringLiteral("Pause"),
        QStringLiteral("Scroll Left"),
        QStringLiteral("Scroll Right"),
        QStringLiteral("OK"),
        QStringLiteral("Text aktiv"),
        QStringLiteral("Copyboard"),
        QStringLiteral("Text"),
        QStringLiteral("Parameter"),
        QStringLiteral("00010"),
        QStringLiteral("Start"),
        QStringLiteral("Alt+M"),
        QStringLiteral("F5"),
        QStringLiteral("F6"),
        QStringLiteral("F7"),
        QStringLiteral("F8"),
        QStringLiteral("F9"),
        QStringLiteral("Version"),
        QStringLiteral("V1.54"),
        QStringLiteral("20.03.2002"),
        QStringLiteral("www.lumentafel.example.org"),
        QStringLiteral("Textnummer des aktuellen Textes. Es können auch Buchstaben eingetragen "
                       "werden. Es wird Alphabetisch einsortiert.")};
    QCOMPARE(english.keys(), german.keys());
    QStringList unchanged;
    for (auto it = german.cbegin(); it != german.cend(); ++it) {
        // The product's name and version, and the caption's document name, are no texts.
        const bool name = it.value().contains(QLatin1String(" V1.54"));
        if (!same.contains(it.value()) && !name && english.value(it.key()) == it.value())
            unchanged << it.key() + QStringLiteral(": ") + it.value();
    }
    QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(QLatin1Char('\n'))));
    QVERIFY(german.size() > 100);
    rig.choose(window.form().germanAction);
    QCOMPARE(withHeader(window, snapshot()), german);
}

// A failure reported in a text that does not go through the translation fails here.
void LanguagesTest::everyFailureTextSwitches() {
    QStringList german;
    {
        ProgramRig rig("D", "1");
        german = failureTexts(rig);
        QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    }
    QStringList english;
    {
        ProgramRig rig("GB", "1");
        english = failureTexts(rig);
        QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    }
    QCOMPARE(english.size(), german.size());
    QVERIFY(german.size() > 20);
    QVERIFY(german.contains(QStringLiteral("Kein COM-Port gewählt.")));
    for (int i = 0; i < german.size(); ++i)
        QVERIFY2(english.at(i) != german.at(i), qPrintable(german.at(i)));
}

void LanguagesTest::questionAfterASwitch_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("yes");
    QTest::newRow("English") << true << "Change COM-Port? Now: COM1"
                             << "&Yes";
    QTest::newRow("German") << false << "COM-Port ändern? Momentan: COM1"
                            << "&Ja";
}

// A box opened after the switch speaks the new language, Qt's own buttons included.
void LanguagesTest::questionAfterASwitch() {
    QFETCH(bool, english);
    QFETCH(QString, question);
    QFETCH(QString, yes);
    ProgramRig rig;
    rig.choose(rig.main().form().englishAction);
    if (!english)
        rig.choose(rig.main().form().germanAction);
    QCOMPARE(PortCommand::changeQuestion(1), question);
    QMessageBox box(QMessageBox::Question, QString(), question, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
}

void LanguagesTest::activeWordsAndUntitledName() {
    ProgramRig rig;
    MainWindow& window = rig.main();
    QVERIFY(window.sequence().document().currentFile().endsWith(QLatin1String("Unbenannt.lta")));
    rig.choose(window.form().englishAction);
    // The document made under German keeps its name; the next new one is English.
    QVERIFY(window.sequence().document().currentFile().endsWith(QLatin1String("Unbenannt.lta")));
    QVERIFY(window.sequence().document().untitledPath().endsWith(QLatin1String("Untitled.lta")));
    QCOMPARE(window.table().headerData(SequenceTable::ActiveColumn, Qt::Horizontal).toString(),
             QStringLiteral("Active"));
    QCOMPARE(ActiveMarks::forLanguage(window.shell().languageCode).active, QByteArray("YES"));
}

void LanguagesTest::englishFromTheSettings() {
    ProgramRig rig("GB");
    MainWindowForm& form = rig.main().form();
    QVERIFY(form.englishAction->isChecked());
    QCOMPARE(form.newAction->text(), QStringLiteral("&New"));
    QVERIFY(rig.main().windowTitle().endsWith(QLatin1String(" - Untitled.lta")));
}

void LanguagesTest::everyControlHasAName_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("offline");
    QTest::newRow("German, live") << QByteArray("D") << QByteArray("0");
    QTest::newRow("English, live") << QByteArray("GB") << QByteArray("0");
    QTest::newRow("German, offline") << QByteArray("D") << QByteArray("1");
    QTest::newRow("English, offline") << QByteArray("GB") << QByteArray("1");
}

// Walks every window of the program, the port dialog included.
void LanguagesTest::everyControlHasAName() {
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, offline);
    ProgramRig rig(language, offline);
    // At the window's usual size: what a narrower window hides behind an overflow is no control.
    rig.windows->main().show();
    rig.windows->main().resize(775, 510);
    QCoreApplication::sendPostedEvents();
    PortSelectDialog portDialog({QStringLiteral("COM1"), QStringLiteral("COM2")});
    QStringList walked;
    QStringList unnamed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        walked << window->objectName();
        unnamed << unnamedControls(window);
    }
    for (const char* name : {"TForm1", "TForm8", "THilfe", "TKorvel_Information", "TCopyboard",
                             "TMark", "FindDialog1", "TComSelectForm"})
        QVERIFY2(walked.contains(QLatin1String(name)), name);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
}

void LanguagesTest::namesFromLabelsAndHints_data() {
    QTest::addColumn<bool>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("label with colon") << true << "Hinweisfeld:"
                                      << "Hinweisfeld";
    QTest::newRow("label with access key") << true << "Suchen &nach:"
                                           << "Suchen nach";
    QTest::newRow("word split over two lines") << true << "Vor-\r\ngabe"
                                               << "Vorgabe";
    QTest::newRow("hint with key") << false << "Der erste Text wird abgespielt (F5)"
                                   << "Der erste Text wird abgespielt";
    QTest::newRow("hint with a clause")
        << false << "Automatisch abspielen, beginnt am ausgewählten Text"
        << "Automatisch abspielen";
    QTest::newRow("hint opening with a bracket") << false << "(F5) Erster"
                                                 << "(F5) Erster";
}

void LanguagesTest::namesFromLabelsAndHints() {
    QFETCH(bool, label);
    QFETCH(QString, text);
    QFETCH(QString, name);
    QCOMPARE(label ? AccessibleNames::fromLabel(text) : AccessibleNames::fromHint(text), name);
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
