#pragma once

#include <QProxyStyle>

// Hints show 500 ms after the mouse comes to rest and hide after 10 s.
class HintTimingStyle final : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
