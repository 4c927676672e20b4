#include "qtclock.h"

#include "qttimer.h"

QtClock::QtClock() {
    m_elapsed.start();
}

std::unique_ptr<Timer> QtClock::createTimer(const QString& name, int interval, QObject* owner) {
    return std::make_unique<QtTimer>(name, interval, owner);
}

qint64 QtClock::nowMs() const {
    return m_elapsed.elapsed();
}
