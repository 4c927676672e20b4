#include "kindtabconverter.h"

#include "editorlines.h"
#include "entryeditorpanel.h"
#include "kindconversion.h"

#include "platform/prompter.h"
#include "platform/windows1252.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

QString plainText(const QWidget* editor) {
    if (const auto* text = qobject_cast<const QTextEdit*>(editor))
        return text->toPlainText();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(editor))
        return plain->toPlainText();
    return QString();
}

void setPlainText(QWidget* editor, const QString& text) {
    if (auto* rich = qobject_cast<QTextEdit*>(editor))
        rich->setPlainText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(editor))
        plain->setPlainText(text);
}

} // namespace

void KindTabConverter::convert(TextKind from, TextKind to) {
    const QString source = plainText(m_panel.editorOf(from));
    // The editors separate lines by a line feed; the join expects carriage return and line
    // feed, and would otherwise glue the lines together.
    const KindConversion conversion = convertKind(from, to, EditorLines::memoText(source));
    switch (conversion.step) {
    case KindConversion::Step::Nothing:
        break;
    case KindConversion::Step::Copy:
        setPlainText(m_panel.editorOf(to), source);
        break;
    case KindConversion::Step::AskThenJoin: {
        const QString question = QCoreApplication::translate(
            "KindTabConverter", "Achtung: Bei Umwandlung in Fliesstext geht die Formatierung "
                                "verloren. Umwandlung durchfühlen?");
        if (m_prompter.askWarningYesNo(question) == Prompter::Answer::Yes)
            setPlainText(m_panel.editorOf(to), Windows1252::toUnicode(conversion.joined));
        else
            m_panel.showKind(from);
        break;
    }
    }
    if (QWidget* editor = m_panel.editorOf(m_panel.currentKind()))
        editor->setFocus(Qt::OtherFocusReason);
}
