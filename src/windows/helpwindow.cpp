#include "helpwindow.h"

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("THilfe"));
    setWindowTitle(QStringLiteral("Hilfe"));
}
