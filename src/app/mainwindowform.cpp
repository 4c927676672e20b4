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

QAction* action(QMenu* menu, const char* name) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

void MainWindowForm::setupUi(QMainWindow* window) {
    window->setObjectName(QStringLiteral("TForm1"));
    window->setMinimumSize(775, 421);

    QMenuBar* bar = window->menuBar();
    QMenu* file = fileMenu = named(bar->addMenu(QString()), "Datei1");
    newAction = action(file, "Neu1");
    openAction = action(file, "Oeffnen1");
    saveAction = action(file, "Speichern1");
    saveAsAction = action(file, "Speichernunter1");
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    quitAction = action(file, "Beenden1");

    editMenu = named(bar->addMenu(QString()), "Bearbeiten1");

    playMenu = named(bar->addMenu(QString()), "Abspielen1");
    choosePortAction = action(playMenu, "COMPort1");

    QMenu* language = languageMenu = named(bar->addMenu(QString()), "Sprache1");
    germanAction = action(language, "Deutsch1");
    englishAction = action(language, "Englisch1");
    auto* languages = new QActionGroup(window);
    for (QAction* a : {germanAction, englishAction}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    germanAction->setChecked(true);
    // One press opens the about window: an item of the bar itself, as "Hilfe" is.
    aboutAction = bar->addAction(QString());
    aboutAction->setObjectName(QStringLiteral("Info1"));
    helpAction = bar->addAction(QString());
    helpAction->setObjectName(QStringLiteral("Hilfe1"));
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));

    editorPanel = new EntryEditorPanel;

    supervisionButton = named(new QPushButton, "Button3");
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
    retranslateUi();
}

void MainWindowForm::retranslateUi() {
    fileMenu->setTitle(tr("&Datei"));
    newAction->setText(tr("&Neu"));
    openAction->setText(tr("Ablauf &öffnen"));
    saveAction->setText(tr("Ablauf &speichern"));
    saveAsAction->setText(tr("Ablauf speichern &unter"));
    quitAction->setText(tr("&Beenden"));
    editMenu->setTitle(tr("&Bearbeiten"));
    playMenu->setTitle(tr("&Abspielen"));
    choosePortAction->setText(tr("&COM-Port"));
    languageMenu->setTitle(tr("&Sprache"));
    germanAction->setText(tr("&Deutsch"));
    englishAction->setText(tr("&Englisch"));
    aboutAction->setText(tr("&Info"));
    helpAction->setText(tr("&Hilfe (F1)"));
    supervisionButton->setText(tr("Anzeige"));
    tableView->setAccessibleName(tr("Ablauf"));
    // On the handle alone: a hint on the splitter would show over every control inside it.
    editorSplitter->handle(1)->setToolTip(tr("Größe Eingabebereich ändern"));
}
