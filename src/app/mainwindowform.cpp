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

void addAll(QBoxLayout* layout, std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets)
        layout->addWidget(w);
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

    QMenu* edit = named(bar->addMenu(QStringLiteral("&Bearbeiten")), "Bearbeiten1");

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

    buildTableCommands(edit);
}

void MainWindowForm::buildTableCommands(QMenu* edit) {
    const auto button = [](const char* name, const QString& caption, const QString& hint) {
        auto* b = named(new QPushButton(caption), name);
        b->setToolTip(hint);
        return b;
    };
    proposeNumberButton = button("Button4", QStringLiteral("Nr. neu"),
                                 QStringLiteral("Neue, freie Textnummer ermitteln"));
    newTextButton =
        button("Button1", QStringLiteral("Neuer Text"), QStringLiteral("Aktiven Text löschen"));
    renumberButton = button("Button6", QStringLiteral("Neu durchnumerieren"),
                            QStringLiteral("Alle Texte in 10er - Schritten neu durchnummerieren"));
    deleteTextsButton =
        button("Button5", QStringLiteral("Texte löschen"),
               QStringLiteral("Die mit der gelben Markierung ausgewählten Texte oder der "
                              "ausgwähle Text (blauer Balken) wird nach Bestätigung gelöscht"));
    exchangeTextsButton =
        button("Button7", QStringLiteral("Texte tauschen"),
               QStringLiteral("Zwei mit der gelben Markierung ausgewählten Texte werden "
                              "getauscht"));
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    addAll(row, {proposeNumberButton, newTextButton, renumberButton, deleteTextsButton,
                 exchangeTextsButton});
    row->addStretch();
    editorPanel->addCommandBar(bar);

    deleteTextsAction = action(edit, "Textelschen1", QStringLiteral("Texte &löschen"));
    deleteTextsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    exchangeTextsAction = action(edit, "Textetauschen1", QStringLiteral("Texte &tauschen"));
    markListAction = action(edit, "ListeMarkierung1", QStringLiteral("Liste &Markierung"));
    markListAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}
