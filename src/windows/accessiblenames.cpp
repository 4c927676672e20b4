#include "accessiblenames.h"

#include <QLabel>
#include <QRegularExpression>

namespace AccessibleNames {

QString fromLabel(const QString& labelText) {
    QString text = labelText;
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QRegularExpression(QStringLiteral("-\\r?\\n")), QString());
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QString fromHint(const QString& hint) {
    static const QRegularExpression end(QStringLiteral("[,:;(]"));
    const QString whole = hint.simplified();
    const QString first = whole.left(whole.indexOf(end)).trimmed();
    return first.isEmpty() ? whole : first;
}

void nameAfterLabels(QWidget* field, QLabel* label, const QLabel* unit) {
    label->setBuddy(field);
    QString name = fromLabel(label->text());
    if (unit && !unit->text().isEmpty())
        name += QLatin1Char(' ') + fromLabel(unit->text());
    field->setAccessibleName(name);
}

void nameAfterHint(QWidget* control) {
    control->setAccessibleName(fromHint(control->toolTip()));
}

} // namespace AccessibleNames
