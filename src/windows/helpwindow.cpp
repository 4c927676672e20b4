#include "helpwindow.h"

#include "windowfonts.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 417;
constexpr int ClientHeight = 481;
constexpr int ActionLeft = 16;
constexpr int KeyLeft = 256;
constexpr int RowPitch = 24;
constexpr int FirstRowTop = 8;
constexpr int ButtonGap = 2;

struct Text {
    const char* action;
    const char* key;
};

struct Panel {
    const char* name;
    QColor colour;
    int height;
    QList<Text> rows;
};

// The playback keys, the navigation keys and the table's keys, in the order the operator
// learns them.
const QList<Panel>& panels() {
    static const QList<Panel> list{
        {"Panel1",
         QColor(0x00, 0x80, 0x80),
         161,
         {{QT_TRANSLATE_NOOP("HelpWindow", "Start+Pause"),
           QT_TRANSLATE_NOOP("HelpWindow", "Alt+Leertaste")},
          {QT_TRANSLATE_NOOP("HelpWindow", "Weiter bei Pause"),
           QT_TRANSLATE_NOOP("HelpWindow", "Leertaste")},
          {QT_TRANSLATE_NOOP("HelpWindow", "Start"), QT_TRANSLATE_NOOP("HelpWindow", "Strg+Enter")},
          {QT_TRANSLATE_NOOP("HelpWindow", "Stop"), QT_TRANSLATE_NOOP("HelpWindow", "Escape")},
          {QT_TRANSLATE_NOOP("HelpWindow", "Pause"), QT_TRANSLATE_NOOP("HelpWindow", "Strg+P")}}},
        {"Panel2",
         QColor(0x00, 0x80, 0x00),
         176,
         {{QT_TRANSLATE_NOOP("HelpWindow", "Manuell anspielen"), "Alt+M"},
          {QT_TRANSLATE_NOOP("HelpWindow", "Erster"), "F5"},
          {QT_TRANSLATE_NOOP("HelpWindow", "Letzter"), "F6"},
          {QT_TRANSLATE_NOOP("HelpWindow", "Zurück"), "F7"},
          {QT_TRANSLATE_NOOP("HelpWindow", "Vor"), "F8"},
          {QT_TRANSLATE_NOOP("HelpWindow", "gehe zu"), "F9"}}},
        {"Panel3",
         QColor(0x80, 0x80, 0x00),
         112,
         {{QT_TRANSLATE_NOOP("HelpWindow", "Ablauf speichern"),
           QT_TRANSLATE_NOOP("HelpWindow", "Strg+S")},
          {QT_TRANSLATE_NOOP("HelpWindow", "Texte Löschen"),
           QT_TRANSLATE_NOOP("HelpWindow", "Strg+Entf")},
          {QT_TRANSLATE_NOOP("HelpWindow", "Liste Markierung"),
           QT_TRANSLATE_NOOP("HelpWindow", "Strg+M")}}},
    };
    return list;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("THilfe"));
    setFont(WindowFonts::sans(16, QFont::Bold));
    setFixedSize(ClientWidth, ClientHeight);

    int top = 0;
    for (const Panel& panel : panels()) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QLatin1String(panel.name));
        frame->setGeometry(0, top, ClientWidth, panel.height);
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, panel.colour);
        palette.setColor(QPalette::WindowText, Qt::white);
        frame->setPalette(palette);
        int y = FirstRowTop;
        for (int i = 0; i < panel.rows.size(); ++i, y += RowPitch) {
            auto* action = new QLabel(frame);
            auto* key = new QLabel(frame);
            action->move(ActionLeft, y);
            key->move(KeyLeft, y);
            m_rows.append(Row{action, key});
        }
        top += panel.height;
    }
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("Button1"));
    // The button takes the strip below the panels, as high as its caption needs and never
    // beyond the window's bottom edge.
    const int strip = ClientHeight - top;
    const int height = qMin(m_closeButton->sizeHint().height(), strip - 2 * ButtonGap);
    m_closeButton->setGeometry(ActionLeft, top + (strip - height) / 2, ClientWidth - 2 * ActionLeft,
                               height);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);

    // Not shown anywhere: it carries the key that hides the window.
    m_closeAction = new QAction(this);
    m_closeAction->setObjectName(QStringLiteral("FensterSchliessen1"));
    m_closeAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_closeAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::hide);
    addAction(m_closeAction);
    retranslate();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void HelpWindow::showInFront() {
    show();
    raise();
    activateWindow();
    setFocus(Qt::ShortcutFocusReason);
}

QStringList HelpWindow::rowTexts() const {
    QStringList texts;
    for (const Row& row : m_rows)
        texts << row.action->text() + QLatin1Char('|') + row.key->text();
    return texts;
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void HelpWindow::retranslate() {
    int i = 0;
    for (const Panel& panel : panels()) {
        for (const Text& text : panel.rows) {
            const Row& row = m_rows.at(i++);
            row.action->setText(tr(text.action));
            row.key->setText(tr(text.key));
            row.action->adjustSize();
            row.key->adjustSize();
        }
    }
    setWindowTitle(tr("Hilfe"));
    m_closeButton->setText(tr("OK (Hilfe ausblenden = F1)"));
    m_closeAction->setText(tr("Fenster Schliessen"));
}
