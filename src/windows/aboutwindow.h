#pragma once

#include <QWidget>

class QLabel;

// The about window: product, version and maker.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    // Caption: product words, caption prefix, "Info"; title label: product words and the
    // caption prefix without its closing "- ", so that it ends in the version and a blank.
    void setVariantCaptions(const QString& productWords, const QString& captionPrefix);
    QLabel* titleLabel() const { return m_label1; }

private:
    QLabel* m_label1 = nullptr;
};
