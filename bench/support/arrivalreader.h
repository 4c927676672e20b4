#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// Reads the far end of a board's line on a thread of its own and notes when frames arrived:
// the closing byte of every frame, or the opening byte of every frame whose image differs from
// the one before (what a step changed).
class ArrivalReader {
public:
    using Clock = std::chrono::steady_clock;
    enum class Mark { FrameEnds, NewImageStarts };

    explicit ArrivalReader(Mark mark = Mark::FrameEnds)
        : m_mark(mark) {}
    virtual ~ArrivalReader() { stop(); }
    ArrivalReader(const ArrivalReader&) = delete;
    ArrivalReader& operator=(const ArrivalReader&) = delete;

    std::vector<Clock::time_point> arrivals() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_arrivals;
    }
    size_t count() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_arrivals.size();
    }

protected:
    // Subclasses stop the thread in their own destructor, before the descriptor goes.
    void stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    void startReading(int fd) {
        m_thread = std::thread([this, fd] { readLoop(fd); });
    }
    void readLoop(int fd) {
        char buffer[4096];
        while (!m_stop) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0)
                continue;
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            const auto now = Clock::now();
            if (n <= 0)
                return;
            for (ssize_t i = 0; i < n; ++i)
                take(buffer[i], now);
        }
    }

    std::atomic<bool> m_stop{false};
    std::thread m_thread;

private:
    void take(char byte, Clock::time_point now) {
        if (m_mark == Mark::FrameEnds) {
            if (byte == '\x03')
                note(now);
            return;
        }
        if (byte == '\x02') {
            m_inFrame = true;
            m_opened = now;
            m_image.clear();
        } else if (byte == '\x03' && m_inFrame) {
            m_inFrame = false;
            if (m_image != m_lastImage) {
                m_lastImage = m_image;
                note(m_opened);
            }
        } else if (m_inFrame) {
            m_image += byte;
        }
    }
    void note(Clock::time_point when) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_arrivals.push_back(when);
    }

    const Mark m_mark;
    std::mutex m_mutex;
    std::vector<Clock::time_point> m_arrivals;
    // The reader thread's own: the frame being read and the image before it.
    bool m_inFrame = false;
    Clock::time_point m_opened;
    QByteArray m_image;
    QByteArray m_lastImage;
};

// The far end of a pseudo-terminal pair, read raw.
class PtyArrivalReader final : public ArrivalReader {
public:
    explicit PtyArrivalReader(const QString& path, Mark mark = Mark::FrameEnds)
        : ArrivalReader(mark) {
        m_fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY);
        if (m_fd < 0)
            return;
        termios raw{};
        tcgetattr(m_fd, &raw);
        cfmakeraw(&raw);
        tcsetattr(m_fd, TCSANOW, &raw);
        startReading(m_fd);
    }
    ~PtyArrivalReader() override {
        stop();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
