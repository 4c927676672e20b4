#include "mainwindowform.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "display/statusline.h"
#include "display/uploadstrip.h"
#include "editor/entryeditorpanel.h"
#include "sequence/sequencetableview.h"

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QAction* action(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

void MainWindowForm::setupUi(QMainWindow* window) {
    window->setObjectName(QStringLiteral("TForm1"));
    window->setMinimumSize(775, 421);

    QMenuBar* bar = window->menuBar();
    QMenu* file = named(bar->addMenu(QStringLiteral("&Datei")), "Datei1");
    newAction = action(file, "Neu1", QStringLiteral("&Neu"));
    openAction = action(file, "Oeffnen1", QStringLiteral("Ablauf &öffnen"));
    saveAction = action(file, "Speichern1", QStringLiteral("Ablauf &speichern"));
    saveAsAction = action(file, "Speichernunter1", QStringLiteral("Ablauf speichern &unter"));
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    quitAction = action(file, "Beenden1", QStringLiteral("&Beenden"));

    editMenu = named(bar->addMenu(QStringLiteral("&Bearbeiten")), "Bearbeiten1");

    playMenu = named(bar->addMenu(QStringLiteral("&Abspielen")), "Abspielen1");
    choosePortAction = action(playMenu, "COMPort1", QStringLiteral("&COM-Port"));

    QMenu* language = named(bar->addMenu(QStringLiteral("&Sprache")), "Sprache1");
    germanAction = action(language, "Deutsch1", QStringLiteral("&Deutsch"));
    englishAction = action(language, "Englisch1", QStringLiteral("&Englisch"));
    auto* languages = new QActionGroup(window);
    for (QAction* a : {germanAction, englishAction}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    germanAction->setChecked(true);
    aboutAction = action(bar->addMenu(QStringLiteral("&Info")), "Info1", QStringLiteral("&Info"));
    helpAction = bar->addAction(QStringLiteral("&Hilfe (F1)"));
    helpAction->setObjectName(QStringLiteral("Hilfe1"));
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));

    editorPanel = new EntryEditorPanel;

    supervisionButton = named(new QPushButton(QStringLiteral("Anzeige")), "Button3");
    uploadStrip = new UploadStrip;

    tableView = new SequenceTableView;

    auto* lower = new QWidget;
    tableLayout = new QVBoxLayout(lower);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(tableView, 1);

    editorSplitter = named(new QSplitter(Qt::Vertical), "Splitter1");
    editorSplitter->addWidget(editorPanel);
    editorSplitter->addWidget(lower);
    editorSplitter->setChildrenCollapsible(false);
    window->setCentralWidget(editorSplitter);

    statusLine = new StatusLine;
    window->setStatusBar(statusLine);
}
