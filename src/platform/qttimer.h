#pragma once

#include "timer.h"

#include <QPointer>
#include <QTimer>

// Timer over a precise QTimer. QTimer restarts on every setInterval/start and spins at
// interval 0; the base class only calls in here when the state really changes.
class QtTimer final : public Timer {
public:
    QtTimer(const QString& name, int interval, QObject* owner);
    ~QtTimer() override;

protected:
    void startCountdown() override;
    void stopCountdown() override;

private:
    QPointer<QTimer> m_timer;
};
