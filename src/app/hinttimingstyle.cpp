#include "hinttimingstyle.h"

int HintTimingStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return 500;
    if (hint == SH_ToolTip_FallAsleepDelay)
        return 10000;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
