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
#include "display/displaysetup.h"
#include "display/portcommand.h"
#include "display/statusline.h"
#include "display/supervisionwindow.h"
#include "display/uploadstrip.h"
#include "editor/entryeditorpanel.h"
#include "platform/porterror.h"
#include "platform/prompter.h"
#include "platform/serialport.h"
#include "platform/timer.h"
#include "playback/playbackstrip.h"
#include "sequence/documentcommands.h"
#include "sequence/documentstate.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencetable.h"
#include "windows/aboutwindow.h"
#include "windows/copyboardwindow.h"
#include "windows/language.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
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
    m_c.output.image().clear();
    applyHintTimings();
    openSerialPort();
    applyFrameTimeLimits();
    applyLineRateAndMode();
    buildLineFields();
    loadLastSequence();
    m_c.supervision.showTimer().setEnabled(true);
    m_c.about.setVariantCaptions(m_c.shell.productWords, m_c.shell.captionPrefix);
    setUpCopyboard();
}

void StartupSequence::chooseVariant() {
    const ProgramIdentity identity =
        ProgramIdentity::fromArgv0(m_c.services.argv0, m_c.services.fallbackDir);
    m_c.shell.captionPrefix = identity.captionPrefix();
    m_c.shell.productWords = identity.productWords();
    m_c.shell.executableDir = identity.executableDir();
    m_c.shell.settingsFilePath = identity.settingsFilePath(m_c.services.configDir);
}

void StartupSequence::giveInitialValues() {
    // The entry editor starts with "OK" disabled; the splitter shows its hint.
    m_c.form.editorPanel->commitButton()->setEnabled(false);
}

void StartupSequence::readSettings() {
    m_c.output.setOutputEnabled(true);
    const Settings s = SettingsFile(m_c.shell.settingsFilePath).read(m_c.shell.executableDir);
    ShellState& shell = m_c.shell;
    if (s.unreadable)
        m_c.form.statusLine->showStatus(
            QCoreApplication::translate("StartupSequence",
                                        "Einstellungsdatei %1 kann nicht gelesen werden; es "
                                        "gelten die Grundeinstellungen.")
                .arg(QDir::toNativeSeparators(m_c.shell.settingsFilePath)));

    m_c.services.port.setPortNumber(s.portNumber);
    m_c.playbackStrip.setFollows(s.follow);
    m_c.sequence.document().setCurrentFile(s.lastFile);
    shell.languageCode = s.languageCode;
    m_c.form.englishAction->setChecked(Language::isEnglish(s.languageCode));

    const DisplayGeometry geometry = DisplayGeometry::fromSettings(s.lines, s.columns);
    if (geometry.adjusted)
        qWarning("display of %d x %d characters cannot be driven; using %d x %d", s.lines,
                 s.columns, geometry.lineCount, geometry.columnCount);
    m_c.output.setGeometry(geometry.lineCount, geometry.columnCount);
    shell.lowerCaseAllowed = s.lowerCase;

    const int left = WindowPlacement::keepReachable(s.windowLeft, m_screenWidth);
    const int top = WindowPlacement::keepReachable(s.windowTop, m_screenHeight);
    m_c.window.move(left, top);
    m_c.window.resize(s.windowWidth, s.windowHeight);
    const int editHeight = qMax(s.editHeight, m_c.form.editorPanel->minimumHeight());
    // The splitter shares out its real height: lay the window out at its new size first.
    if (QLayout* layout = m_c.window.layout())
        layout->activate();
    QSplitter* splitter = m_c.form.editorSplitter;
    const int rest = splitter->height() - splitter->handleWidth() - editHeight;
    splitter->setSizes({editHeight, qMax(1, rest)});

    shell.copyboardLeft = WindowPlacement::keepReachable(s.copyboardLeft, m_screenWidth);
    shell.copyboardTop = WindowPlacement::keepReachable(s.copyboardTop, m_screenHeight);
    shell.copyboardHeight = s.copyboardHeight;
    shell.supervisionLeft = WindowPlacement::keepReachable(s.supervisionLeft, m_screenWidth);
    shell.supervisionTop = WindowPlacement::keepReachable(s.supervisionTop, m_screenHeight);
    shell.offlineMode = s.offline;
    shell.offlineRate = s.offlineRate;
    shell.moreBoards = s.moreBoards;
    m_c.services.port.setTraceEnabled(s.trace);

    m_c.supervision.move(shell.supervisionLeft, shell.supervisionTop);
}

void StartupSequence::applyLanguageTexts() {
    // The table's header and Aktiv words and the untitled name are the language's data; the
    // captions and hints follow the installed translation.
    m_c.table.setLanguageCode(m_c.shell.languageCode);
    m_c.sequence.setLanguageCode(m_c.shell.languageCode);
    if (m_c.switchTexts)
        m_c.switchTexts(m_c.shell.languageCode);
}

void StartupSequence::applyHintTimings() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        app && !qobject_cast<HintTimingStyle*>(QApplication::style()))
        app->setStyle(new HintTimingStyle);
}

void StartupSequence::openSerialPort() {
    SerialPort& port = m_c.services.port;
    if (port.portNumber() == 0) {
        m_c.portCommand.choosePort();
        return;
    }
    try {
        port.open();
    } catch (const PortError&) {
        m_c.portCommand.choosePort();
        return;
    }
    const int size =
        FrameTime::outputBufferSizeFor(m_c.output.lineCount(), m_c.output.columnCount());
    if (size > 0) {
        // Offline no frames go out: the buffer keeps its room for a whole upload.
        if (!m_c.shell.offlineMode)
            port.setOutputBufferSize(size);
    } else {
        m_c.services.prompter.showInformation(
            QCoreApplication::translate("StartupSequence", "Anzeige hat zu viele Zeichen."));
    }
}

void StartupSequence::applyFrameTimeLimits() {
    const FrameTime::FrameLimits limits =
        FrameTime::frameLimitsFor(m_c.output.lineCount(), m_c.output.columnCount());
    m_c.shell.frameTime = limits.frameTime;
    m_c.form.editorPanel->limitTimings(limits.changeTimeMinimum, limits.flowStepMinimum,
                                       limits.hideFlowTab);
}

void StartupSequence::applyLineRateAndMode() {
    ShellState& shell = m_c.shell;
    SerialPort& port = m_c.services.port;
    const bool slow = shell.offlineRate == 9600;
    if (!shell.offlineMode) {
        port.setBaudRate(slow ? 9600 : 19200);
        return;
    }
    port.setBaudRate(slow ? 9600 : 57600);
    shell.blankLine = QByteArray(m_c.output.columnCount(), ' ');
    MainWindowForm& f = m_c.form;
    f.supervisionButton->hide();
    m_c.playbackStrip.hideLiveControls();
    f.helpAction->setVisible(false);
    f.helpAction->setShortcut(QKeySequence());
    f.uploadStrip->setOfflineMode(true);
    m_c.supervision.setOfflineMode(true);
}

void StartupSequence::buildLineFields() {
    m_c.supervision.buildLineFields(m_c.output.lineCount(), m_c.output.columnCount());
    setUpEditorForDisplay();
}

void StartupSequence::setUpEditorForDisplay() {
    const ShellState& shell = m_c.shell;
    m_c.form.editorPanel->setUpForDisplay(
        DisplaySetup{m_c.output.lineCount(), m_c.output.columnCount(), shell.lowerCaseAllowed,
                     shell.offlineMode, shell.frameTime});
}

void StartupSequence::setUpCopyboard() {
    EntryEditorPanel& editor = *m_c.form.editorPanel;
    m_c.copyboard.setUpGeometry(m_c.shell.copyboardLeft, m_c.shell.copyboardTop,
                                m_c.shell.copyboardHeight, editor.blockEditor()->width(),
                                editor.blockEditor()->font());
    QTabWidget* tabs = editor.kindTabs();
    m_c.copyboard.setFlowEntryAvailable(tabs->isTabVisible(tabs->indexOf(editor.flowPage())));
}

void StartupSequence::loadLastSequence() {
    // Rescue copies of a document in a folder the program may not write go beside the
    // settings.
    m_c.sequence.documents().setRescueFolder(QFileInfo(m_c.shell.settingsFilePath).absolutePath());
    m_c.sequence.openAtStartup(m_c.shell.executableDir, m_c.shell.captionPrefix,
                               m_c.services.sequenceFile);
}
