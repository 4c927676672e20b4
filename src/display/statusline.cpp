#include "statusline.h"

StatusLine::StatusLine(QWidget* parent)
    : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
}

void StatusLine::showStatus(const QString& text) {
    if (text.isEmpty())
        clearMessage();
    else
        showMessage(text);
}
