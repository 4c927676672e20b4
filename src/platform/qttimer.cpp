#include "qttimer.h"

QtTimer::QtTimer(const QString& name, int interval, QObject* owner)
    : Timer(name, interval)
    , m_timer(new QTimer(owner)) {
    m_timer->setObjectName(name);
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { fire(); });
}

QtTimer::~QtTimer() {
    delete m_timer.data();
}

void QtTimer::startCountdown() {
    if (m_timer)
        m_timer->start(interval());
}

void QtTimer::stopCountdown() {
    if (m_timer)
        m_timer->stop();
}
