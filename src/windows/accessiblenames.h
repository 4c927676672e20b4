#pragma once

#include <QString>

class QLabel;
class QWidget;

// The names the accessibility bus announces for controls whose caption does not say what they
// are: an input field is named after its label, a button showing a symbol or a picture after
// the first words of its hint. The windows set them again on every change of language.
namespace AccessibleNames {

// The label's text as one line: no access-key marker, a word split at a line end joined
// again, other line ends as blanks, no closing colon.
QString fromLabel(const QString& labelText);
// The hint up to its first comma, colon, semicolon or opening bracket; the whole hint when it
// starts with one.
QString fromHint(const QString& hint);

// The label becomes the field's buddy (its access key moves the focus there) and its text,
// with the texts of any further labels after it (a unit), the field's name.
void nameAfterLabels(QWidget* field, QLabel* label, const QLabel* unit = nullptr);
// The control's name is the first words of its hint.
void nameAfterHint(QWidget* control);

} // namespace AccessibleNames
