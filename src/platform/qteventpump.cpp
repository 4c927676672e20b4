#include "qteventpump.h"

#include <QEventLoop>
#include <QTimer>

void QtEventPump::processPendingEvents() {
    QEventLoop loop;
    QTimer::singleShot(2, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
