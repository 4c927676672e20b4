#pragma once

#include <QValidator>

// Forces what is typed or pasted into a one-line field into the board's upper case: a..z and
// the umlauts become capitals, the sharp s stays (the board has no capital of it, and
// QString::toUpper would make "SS" of it, longer than the field allows).
class UpperCaseValidator final : public QValidator {
    Q_OBJECT

public:
    explicit UpperCaseValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    // The text in the board's upper case; characters beyond the code page stay as they are.
    static QString upperCased(const QString& text);
};
