#include "uppercasevalidator.h"

#include "checkdisplaycharacters.h"

#include "platform/windows1252.h"

UpperCaseValidator::UpperCaseValidator(QObject* parent)
    : QValidator(parent) {
}

QValidator::State UpperCaseValidator::validate(QString& input, int& /*pos*/) const {
    // Each character keeps its place, so the caret stays where it is.
    input = upperCased(input);
    return Acceptable;
}

void UpperCaseValidator::fixup(QString& input) const {
    input = upperCased(input);
}

QString UpperCaseValidator::upperCased(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (!Windows1252::canEncode(c))
            continue;
        // The character check's own table; a character it would replace by "#" is left
        // for the check at the commit.
        const QByteArray byte = Windows1252::fromUnicode(QString(c));
        const QByteArray upper = checkDisplayCharacters(byte, false).text;
        if (upper != byte && upper != "#")
            c = Windows1252::toUnicode(upper).at(0);
    }
    return result;
}
