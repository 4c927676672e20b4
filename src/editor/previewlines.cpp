#include "previewlines.h"

#include "platform/windows1252.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int Margin = 20;
constexpr int LineGap = 2;
// The widest line the preview makes room for, in characters.
constexpr int MaxCharacters = 300;
// The most of the window's width the preview claims; the lines of a wider board scroll.
constexpr int MaxClaimedWidth = 300;

} // namespace

PreviewLines::PreviewLines(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PreviewLines"));
    m_simulationBox = new QCheckBox;
    m_simulationBox->setObjectName(QStringLiteral("CheckBox2"));
    m_scrollBox = new QScrollArea;
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setWidgetResizable(true);
    m_content = new QWidget;
    m_scrollBox->setWidget(m_content);
    auto* content = new QVBoxLayout(m_content);
    content->setContentsMargins(Margin, Margin, 0, 0);
    content->setSpacing(LineGap);
    content->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_simulationBox);
    layout->addWidget(m_scrollBox, 1);
    retranslate();
}

QFont PreviewLines::lineFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    font.setStyleHint(QFont::Monospace);
    return font;
}

void PreviewLines::build(int lineCount, int columnCount) {
    qDeleteAll(m_lines);
    m_lines.clear();
    const QFont font = lineFont();
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(
                         QString(qBound(1, columnCount + 1, MaxCharacters), QLatin1Char('H'))),
                     metrics.height());
    QPalette navy = palette();
    for (const QPalette::ColorRole back : {QPalette::Base, QPalette::Window})
        navy.setColor(back, QColor(0, 0, 128));
    for (const QPalette::ColorRole text : {QPalette::Text, QPalette::WindowText})
        navy.setColor(text, Qt::white);

    auto* layout = static_cast<QVBoxLayout*>(m_content->layout());
    for (int i = 0; i < lineCount; ++i) {
        auto* line = new QLineEdit(m_content);
        line->setObjectName(QStringLiteral("VorschauZeile%1").arg(i));
        line->setReadOnly(true);
        line->setFocusPolicy(Qt::NoFocus);
        line->setFrame(false);
        line->setTextMargins(0, 0, 0, 0);
        line->setFont(font);
        line->setPalette(navy);
        line->setAutoFillBackground(true);
        line->setFixedSize(size);
        layout->insertWidget(i, line);
        m_lines.append(line);
    }
    // Whole lines at the window's usual size: the preview claims their width (and room for
    // a vertical scroll bar when many lines need it) before the fields beside it take theirs.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBox);
    m_scrollBox->setMinimumWidth(qMin(Margin + size.width() + scrollBar, MaxClaimedWidth));
}

void PreviewLines::showTexts(const QList<QByteArray>& texts) {
    for (int i = 0; i < m_lines.size(); ++i)
        m_lines.at(i)->setText(Windows1252::toUnicode(texts.value(i)));
}

void PreviewLines::clearTexts() {
    for (QLineEdit* line : m_lines)
        line->clear();
}

void PreviewLines::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PreviewLines::retranslate() {
    m_simulationBox->setText(tr("Text simulieren"));
    m_simulationBox->setToolTip(tr("Der zu bearbeitende Text wird simuliert"));
    m_scrollBox->setAccessibleName(tr("Vorschau"));
}
