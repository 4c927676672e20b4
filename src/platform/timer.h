#pragma once

#include <QString>

#include <functional>

// A periodic timer with the rules the playback timing relies on:
// - setting the interval it already has changes nothing;
// - enabling a running timer changes nothing;
// - changing the interval of a running timer, or enabling a stopped one,
//   starts a fresh countdown of the whole interval;
// - interval 0 never fires.
// The rules live here; implementations only start and stop countdowns.
class Timer {
public:
    using Callback = std::function<void()>;

    virtual ~Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    void setOnTimeout(Callback callback) { m_onTimeout = std::move(callback); }
    const QString& name() const { return m_name; }

protected:
    Timer(QString name, int interval);

    // True while a countdown should run: enabled with an interval above 0.
    bool isCounting() const { return m_enabled && m_interval > 0; }
    // Called by the implementation each time a countdown runs out.
    void fire();

    virtual void startCountdown() = 0;
    virtual void stopCountdown() = 0;

private:
    void applyState();

    QString m_name;
    int m_interval = 0;
    bool m_enabled = false;
    Callback m_onTimeout;
};
