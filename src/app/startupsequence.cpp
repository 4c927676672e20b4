#include "startupsequence.h"

#include "frametime.h"
#include "hinttimingstyle.h"
#include "mainwindowform.h"
#include "programidentity.h"
#include "programservices.h"
#include "settings.h"
#include "shellstate.h"
#include "windowplacement.h"

#include "display/displaygeometry.h"
#include "display/displayoutput.h"
#include "display/portcommand.h"
#include "display/supervisionwindow.h"
#include "editor/editorlines.h"
#include "platform/porterror.h"
#include "platform/prompter.h"
#include "platform/serialport.h"
#include "platform/timer.h"
#include "sequence/sequencetable.h"
#include "windows/aboutwindow.h"
#include "windows/copyboardwindow.h"
#include "windows/language.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

StartupSequence::StartupSequence(Context context)
    : m_c(context) {
    m_screenWidth = m_c.services.screenWidth;
    m_screenHeight = m_c.services.screenHeight;
    if ((m_screenWidth <= 0 || m_screenHeight <= 0) && QGuiApplication::primaryScreen()) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_screenWidth = screen.width();
        m_screenHeight = screen.height();
    }
}

void StartupSequence::run() {
    chooseVariant();
    giveInitialValues();
    readSettings();
    applyLanguageTexts();
    limitFlowLine();
    sizeEditorsToDisplay();
    m_c.output.image().clear();
    applyHintTimings();
    openSerialPort();
    applyFrameTimeLimits();
    applyLineRateAndMode();
    buildLineFields();
    loadLastSequence();
    m_c.supervision.showTimer().setEnabled(true);
    m_c.about.setVariantCaptions(m_c.shell.ProductWords, m_c.shell.CaptionPrefix);
    m_c.copyboard.setUpGeometry(m_c.shell.CopyboardLeft, m_c.shell.CopyboardTop,
                                m_c.shell.CopyboardHeight);
}

void StartupSequence::chooseVariant() {
    const ProgramIdentity identity =
        ProgramIdentity::fromArgv0(m_c.services.argv0, m_c.services.fallbackDir);
    m_c.shell.CaptionPrefix = identity.captionPrefix();
    m_c.shell.ProductWords = identity.productWords();
    m_c.shell.ExecutableDir = identity.executableDir();
    m_c.shell.SettingsFilePath = identity.settingsFilePath(m_c.services.configDir);
}

void StartupSequence::giveInitialValues() {
    // The entry editor starts with "OK" disabled; the splitter shows its hint.
    m_c.form.Button11->setEnabled(false);
    m_c.form.Splitter1->setToolTip(QStringLiteral("Größe Eingabebereich ändern"));
}

void StartupSequence::readSettings() {
    m_c.output.setOutputEnabled(true);
    const Settings s = SettingsFile(m_c.shell.SettingsFilePath).read(m_c.shell.ExecutableDir);
    ShellState& shell = m_c.shell;

    m_c.services.port.setPortNumber(s.portNumber);
    m_c.form.Verfolgen->setChecked(s.follow);
    shell.CurrentFile = s.lastFile;
    shell.LanguageCode = s.languageCode;
    m_c.form.Englisch1->setChecked(Language::isEnglish(s.languageCode));

    const DisplayGeometry geometry = DisplayGeometry::fromSettings(s.lines, s.columns);
    if (geometry.adjusted)
        qWarning("display of %d x %d characters cannot be driven; using %d x %d", s.lines,
                 s.columns, geometry.lineCount, geometry.columnCount);
    shell.LineCount = geometry.lineCount;
    shell.ColumnCount = geometry.columnCount;
    m_c.output.setGeometry(shell.LineCount, shell.ColumnCount);
    m_c.output.setLanguageCode(shell.LanguageCode);
    m_c.table.setLanguageCode(shell.LanguageCode);
    shell.LowerCaseAllowed = s.lowerCase;

    const int left = WindowPlacement::keepReachable(s.windowLeft, m_screenWidth);
    const int top = WindowPlacement::keepReachable(s.windowTop, m_screenHeight);
    m_c.window.move(left, top);
    m_c.window.resize(s.windowWidth, s.windowHeight);
    const int editHeight = qMax(s.editHeight, m_c.form.Panel2->minimumHeight());
    // The splitter shares out its real height: lay the window out at its new size first.
    if (QLayout* layout = m_c.window.layout())
        layout->activate();
    QSplitter* splitter = m_c.form.Splitter1;
    const int rest = splitter->height() - splitter->handleWidth() - editHeight;
    splitter->setSizes({editHeight, qMax(1, rest)});

    shell.CopyboardLeft = WindowPlacement::keepReachable(s.copyboardLeft, m_screenWidth);
    shell.CopyboardTop = WindowPlacement::keepReachable(s.copyboardTop, m_screenHeight);
    shell.CopyboardHeight = s.copyboardHeight;
    shell.SupervisionLeft = WindowPlacement::keepReachable(s.supervisionLeft, m_screenWidth);
    shell.SupervisionTop = WindowPlacement::keepReachable(s.supervisionTop, m_screenHeight);
    shell.OfflineMode = s.offline;
    shell.OfflineRate = s.offlineRate;
    m_c.services.port.setTraceEnabled(s.trace);

    m_c.supervision.move(shell.SupervisionLeft, shell.SupervisionTop);
}

void StartupSequence::applyLanguageTexts() {
    m_c.supervision.setWindowTitle(Language::choose(m_c.shell.LanguageCode,
                                                    QStringLiteral("Anzeige Kontrolle"),
                                                    QStringLiteral("Display supervision")));
}

void StartupSequence::limitFlowLine() {
    m_c.form.TextInZeile->setMaximum(m_c.shell.LineCount);
    if (m_c.shell.LineCount < 2) {
        m_c.form.TextInZeile->hide();
        m_c.form.Label12->hide();
    }
}

void StartupSequence::sizeEditorsToDisplay() {
    MainWindowForm& f = m_c.form;
    f.Memo1->setFont(f.TestLabel->font());
    for (QTextEdit* editor : {f.Textfeld, f.ScrollTextFeld}) {
        editor->setFont(f.TestLabel->font());
        EditorLines::wrapAtColumns(*editor, m_c.shell.ColumnCount);
    }
    f.TestLabel->setText(QString(m_c.shell.ColumnCount + 1, QLatin1Char('X')));
    f.TestLabel->adjustSize();
    const int width = f.TestLabel->width();
    f.Textfeld->setFixedWidth(width + 18);
    f.ScrollTextFeld->setFixedWidth(width + 18);
    f.Memo1->setFixedWidth(width);
}

void StartupSequence::applyHintTimings() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        app && !qobject_cast<HintTimingStyle*>(QApplication::style()))
        app->setStyle(new HintTimingStyle);
}

void StartupSequence::openSerialPort() {
    SerialPort& port = m_c.services.port;
    if (port.portNumber() == 0) {
        m_c.portCommand.COMPort1Click();
        return;
    }
    try {
        port.open();
    } catch (const PortError&) {
        m_c.portCommand.COMPort1Click();
        return;
    }
    const int size = FrameTime::outputBufferSizeFor(m_c.shell.LineCount, m_c.shell.ColumnCount);
    if (size > 0) {
        port.setOutputBufferSize(size);
    } else {
        m_c.services.prompter.showInformation(Language::choose(
            m_c.shell.LanguageCode, QStringLiteral("Anzeige hat zu viele Zeichen."),
            QStringLiteral("The display has too many characters.")));
    }
}

void StartupSequence::applyFrameTimeLimits() {
    const FrameTime::FrameLimits limits =
        FrameTime::frameLimitsFor(m_c.shell.LineCount, m_c.shell.ColumnCount);
    m_c.shell.FrameTime = limits.frameTime;
    MainWindowForm& f = m_c.form;
    if (limits.flowStepMinimum > 0)
        f.Fliesstakt->setMinimum(limits.flowStepMinimum); // a lower value is raised with it
    if (limits.changeTimeMinimum > 0) {
        f.Seitenwechselzeit->setMinimum(limits.changeTimeMinimum);
        f.Zeilenwechselzeit->setMinimum(limits.changeTimeMinimum);
    }
    if (limits.hideFlowTab)
        f.PageControl1->setTabVisible(f.PageControl1->indexOf(f.TabSheet3), false);
}

void StartupSequence::applyLineRateAndMode() {
    ShellState& shell = m_c.shell;
    SerialPort& port = m_c.services.port;
    const bool slow = shell.OfflineRate == 9600;
    if (!shell.OfflineMode) {
        port.setBaudRate(slow ? 9600 : 19200);
        return;
    }
    port.setBaudRate(slow ? 9600 : 57600);
    shell.BlankLine = QByteArray(shell.ColumnCount, ' ');
    MainWindowForm& f = m_c.form;
    for (QWidget* w : std::initializer_list<QWidget*>{
             f.Panel6,      f.Label14,   f.Label13,      f.Verfolgen,    f.Label17, f.Relativ,
             f.Button8,     f.Button9,   f.Button10,     f.Button3,      f.Play,    f.Stop,
             f.Pause,       f.Manuell,   f.Label4,       f.Label5,       f.Label6,  f.Label16,
             f.Vorgabezeit, f.NachDauer, f.DauerMinuten, f.DauerSekunden})
        w->hide();
    for (QAction* a : {f.automatischabspielen1, f.Stop1, f.Pause1, f.Manuell1, f.N2, f.Erster1,
                       f.Letzter1, f.Zurck1, f.Vor1, f.gehezu1, f.Weiter1, f.N3, f.Hilfe1})
        a->setVisible(false);
    f.Hilfe1->setShortcut(QKeySequence());
    f.AnzeigeSenden->show();
    f.abbrechen->show();
    m_c.supervision.setOfflineMode(true);
}

void StartupSequence::buildLineFields() {
    m_c.supervision.buildLineFields(m_c.shell.LineCount, m_c.shell.ColumnCount);
    buildPreviewLines();
}

void StartupSequence::buildPreviewLines() {
    m_c.form.buildLineFields(m_c.shell.LineCount, m_c.shell.ColumnCount);
    if (m_c.lineFieldsBuilt)
        m_c.lineFieldsBuilt();
}

void StartupSequence::loadLastSequence() {
    // The sequence file reopens the last sequence here; until it does, a file that is
    // gone gives the untitled name of the language.
    ShellState& shell = m_c.shell;
    if (!QFileInfo::exists(shell.CurrentFile))
        shell.CurrentFile = SettingsFile::untitledPath(shell.ExecutableDir, shell.LanguageCode);
    m_c.window.setWindowTitle(shell.CaptionPrefix + QFileInfo(shell.CurrentFile).fileName());
}
