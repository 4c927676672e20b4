#include "copyboardwindow.h"

#include "platform/prompter.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int NarrowestWidth = 190;
constexpr int SmallestHeight = 300;

QPushButton* button(const char* name) {
    auto* b = new QPushButton;
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

CopyboardWindow::CopyboardWindow(Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_prompter(prompter) {
    setObjectName(QStringLiteral("TCopyboard"));
    m_label = new QLabel;
    m_label->setObjectName(QStringLiteral("Label1"));
    m_copy = button("Button1");
    m_insert = button("Button2");
    m_newBlock = button("Button3");
    m_newScroll = button("Button4");
    m_newFlow = button("Button5");
    auto* top = new QWidget;
    top->setObjectName(QStringLiteral("Panel1"));
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(m_label);
    for (QPushButton* b : {m_copy, m_insert, m_newBlock, m_newScroll, m_newFlow})
        topLayout->addWidget(b);

    m_textArea = new QPlainTextEdit;
    m_textArea->setObjectName(QStringLiteral("Memo1"));
    m_textArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(top);
    layout->addWidget(m_textArea, 1);

    connect(m_copy, &QPushButton::clicked, this, &CopyboardWindow::copySelection);
    connect(m_insert, &QPushButton::clicked, m_textArea, &QPlainTextEdit::paste);
    connect(m_newBlock, &QPushButton::clicked, this, [this] { newEntry(Target::Block); });
    connect(m_newScroll, &QPushButton::clicked, this, [this] { newEntry(Target::Scroll); });
    connect(m_newFlow, &QPushButton::clicked, this, [this] { newEntry(Target::Flow); });
    retranslate();
    resize(NarrowestWidth, 510);
}

QPushButton* CopyboardWindow::newEntryButton(Target target) const {
    switch (target) {
    case Target::Scroll:
        return m_newScroll;
    case Target::Flow:
        return m_newFlow;
    default:
        return m_newBlock;
    }
}

void CopyboardWindow::setUpGeometry(int left, int top, int height, int editorWidth,
                                    const QFont& editorFont) {
    m_textArea->setFont(editorFont);
    int width = editorWidth + 10;
    if (width > NarrowestWidth) {
        m_textArea->setMinimumWidth(0);
        m_textArea->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        width = NarrowestWidth;
        m_textArea->setFixedWidth(editorWidth);
        layout()->setAlignment(m_textArea, Qt::AlignLeft);
    }
    setMinimumSize(width, SmallestHeight);
    setMaximumWidth(width);
    move(left, top);
    resize(width, qMax(height, SmallestHeight));
}

void CopyboardWindow::setNewEntriesEnabled(bool enabled) {
    m_newEntriesEnabled = enabled;
    updateNewEntryButtons();
}

void CopyboardWindow::setFlowEntryAvailable(bool available) {
    m_flowEntryAvailable = available;
    updateNewEntryButtons();
}

void CopyboardWindow::updateNewEntryButtons() {
    m_newBlock->setEnabled(m_newEntriesEnabled);
    m_newScroll->setEnabled(m_newEntriesEnabled);
    m_newFlow->setEnabled(m_newEntriesEnabled && m_flowEntryAvailable);
}

QString CopyboardWindow::selectedText() const {
    QString text = m_textArea->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void CopyboardWindow::copySelection() {
    const QString text = selectedText();
    if (text.isEmpty()) {
        m_prompter.beep();
        return;
    }
    QGuiApplication::clipboard()->setText(text);
}

void CopyboardWindow::newEntry(Target target) {
    const QString text = selectedText();
    if (text.isEmpty()) {
        m_prompter.beep();
        return;
    }
    // The operator finds the selection on the clipboard, as after "Kopieren"; the editor gets
    // the same text directly, whatever a clipboard manager makes of the clipboard meanwhile.
    QGuiApplication::clipboard()->setText(text);
    emit newEntryRequested(target, text);
}

void CopyboardWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void CopyboardWindow::retranslate() {
    setWindowTitle(tr("Copyboard"));
    m_label->setText(
        tr("Hier können Texte aus anderen\nTextverarbeitungsprogrammen\nübernommen werden"));
    m_copy->setText(tr("Kopieren"));
    m_copy->setToolTip(tr("Markierten Text in die Zwischenablage kopieren"));
    m_insert->setText(tr("Einfügen"));
    m_newBlock->setText(tr("In neuen Blocktext einfügen"));
    m_newScroll->setText(tr("In neuen Scrolltext einfügen"));
    m_newFlow->setText(tr("In neuen Fließtext einfügen"));
    m_textArea->setAccessibleName(tr("Text zum Übernehmen"));
}
