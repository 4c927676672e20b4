#pragma once

#include "clock.h"

#include <QElapsedTimer>

class QtClock final : public Clock {
public:
    QtClock();
    std::unique_ptr<Timer> createTimer(const QString& name, int interval, QObject* owner) override;
    qint64 nowMs() const override;

private:
    QElapsedTimer m_elapsed;
};
