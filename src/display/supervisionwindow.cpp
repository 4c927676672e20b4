#include "supervisionwindow.h"

#include <QEvent>

#include "platform/clock.h"
#include "platform/windows1252.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
QFont fieldFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    font.setStyleHint(QFont::Monospace);
    return font;
}
} // namespace

SupervisionWindow::SupervisionWindow(Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm8"));
    resize(217, 105);
    // It appears by itself after start-up: the operator's keys stay with the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setWidgetResizable(false);
    QPalette black = m_scrollBox->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_scrollBox->setPalette(black);
    m_scrollBox->setBackgroundRole(QPalette::Window);
    m_scrollBox->setAutoFillBackground(true);

    m_content = new QWidget;
    m_content->setPalette(black);
    m_content->setAutoFillBackground(true);
    m_scrollBox->setWidget(m_content);

    m_testLabel = new QLabel(m_content);
    m_testLabel->setObjectName(QStringLiteral("TestLabel"));
    m_testLabel->setFont(fieldFont());
    m_testLabel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollBox);
    m_boardStates = new QLabel(this);
    m_boardStates->setObjectName(QStringLiteral("boardStates"));
    m_boardStates->setTextFormat(Qt::PlainText);
    m_boardStates->setContentsMargins(Margin, 0, Margin, Margin);
    m_boardStates->hide();
    layout->addWidget(m_boardStates);

    m_showTimer = clock.createTimer(QStringLiteral("Timer1"), 100, this);
    m_showTimer->setOnTimeout([this] { showFirstTime(); });
    retranslate();
}

SupervisionWindow::~SupervisionWindow() = default;

void SupervisionWindow::buildLineFields(int lineCount, int columnCount) {
    qDeleteAll(m_fields);
    m_fields.clear();
    lineCount = qBound(0, lineCount, MaxLineFields);

    m_testLabel->setText(QString(qMin(columnCount + 1, 300), QLatin1Char('H')));
    m_testLabel->adjustSize();
    const QSize fieldSize = m_testLabel->size();

    QPalette navy;
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    navy.setColor(QPalette::WindowText, Qt::white);

    int top = Margin;
    for (int i = 0; i < lineCount; ++i) {
        auto* field = new QLabel(m_content);
        field->setObjectName(QStringLiteral("Zeile%1").arg(i));
        field->setFont(m_testLabel->font());
        field->setTextFormat(Qt::PlainText);
        field->setPalette(navy);
        field->setAutoFillBackground(true);
        field->setGeometry(Margin, top, fieldSize.width(), fieldSize.height());
        field->show();
        m_fields.push_back(field);
        top += fieldSize.height() + FieldGap;
    }

    const int bottom = m_fields.empty() ? Margin : m_fields.back()->geometry().bottom() + 1;
    const int fieldWidth = m_fields.empty() ? 0 : fieldSize.width();
    m_content->resize(Margin + fieldWidth + Margin, bottom + Margin);
    // The client area: 15 pixels wider than a field, 10 pixels taller than the stack.
    m_fittedSize = QSize(2 * Margin + fieldWidth + Margin, bottom + 2 * Margin);
    resize(m_fittedSize);
}

void SupervisionWindow::showLine(int index, const QByteArray& text) {
    if (index < 0 || index >= lineFieldCount())
        return;
    m_fields[static_cast<size_t>(index)]->setText(Windows1252::toUnicode(text));
}

void SupervisionWindow::showBoardStates(const QStringList& lines) {
    const bool show = lines.size() > 1;
    const bool wasShown = !m_boardStates->isHidden();
    m_boardStates->setText(lines.join(QLatin1Char('\n')));
    m_boardStates->setVisible(show);
    // The window grows to take the lines once and shrinks back once; in between the
    // operator's size stays.
    if (show == wasShown)
        return;
    if (show)
        resize(qMax(m_fittedSize.width(), m_boardStates->sizeHint().width()),
               m_fittedSize.height() + m_boardStates->sizeHint().height());
    else
        resize(m_fittedSize);
}

QLabel* SupervisionWindow::lineField(int index) const {
    if (index < 0 || index >= lineFieldCount())
        return nullptr;
    return m_fields[static_cast<size_t>(index)];
}

void SupervisionWindow::showFirstTime() {
    m_showTimer->setEnabled(false);
    if (m_offline)
        return;
    show();
    QSize size = m_fittedSize;
    if (m_scrollBox->horizontalScrollBar()->isVisible())
        size.setHeight(size.height() + 15);
    if (m_scrollBox->verticalScrollBar()->isVisible())
        size.setWidth(size.width() + 15);
    if (size != m_fittedSize)
        resize(size);
}

void SupervisionWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SupervisionWindow::retranslate() {
    setWindowTitle(tr("Anzeige Kontrolle"));
    m_scrollBox->setAccessibleName(windowTitle());
}
