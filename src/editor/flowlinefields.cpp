#include "flowlinefields.h"

#include "uppercasevalidator.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int Margin = 5;
constexpr int FieldGap = 2;
// Room around the text inside a field's frame.
constexpr int FramePadding = 8;

} // namespace

FlowLineFields::FlowLineFields(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FlowLinePanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(FieldGap);
    layout->addStretch();
}

void FlowLineFields::build(int lineCount, int columnCount, bool lowerCaseAllowed,
                           const QFont& font) {
    qDeleteAll(m_fields);
    m_fields.clear();
    const QFontMetrics metrics(font);
    const QSize size(
        metrics.horizontalAdvance(QString(qMax(columnCount + 1, 1), QLatin1Char('X'))) +
            FramePadding,
        metrics.height() + FramePadding);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);

    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    for (int i = 0; i + 1 < lineCount; ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("FliesstextZeile%1").arg(i));
        field->setFont(font);
        field->setPalette(white);
        field->setFixedSize(size);
        field->setMaxLength(qMax(columnCount, 0));
        if (!lowerCaseAllowed)
            field->setValidator(new UpperCaseValidator(field));
        layout->insertWidget(i, field);
        m_fields.append(field);
    }
    retranslate();
}

void FlowLineFields::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FlowLineFields::retranslate() {
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields.at(i)->setAccessibleName(tr("Feste Zeile %1").arg(i + 1));
}
