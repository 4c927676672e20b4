#pragma once

#include <QDate>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Writes the show log's lines into one file per day ("show-2026-03-20.log", UTF-8) on a
// thread of its own, so the disk never holds up a frame: append() only queues the line.
// The first write of a run removes the day files older than the days kept.
class ShowLogWriter {
public:
    static constexpr int DaysKept = 60;

    explicit ShowLogWriter(QString folder);
    ~ShowLogWriter();
    ShowLogWriter(const ShowLogWriter&) = delete;
    ShowLogWriter& operator=(const ShowLogWriter&) = delete;

    const QString& folder() const { return m_folder; }
    QString fileFor(const QDate& day) const;
    static QString fileNameFor(const QDate& day);

    // Queues the line for the day's file; never waits for the disk.
    void append(const QDate& day, const QString& line);
    // Waits until every line queued so far is in its file (before the file is opened).
    void waitUntilWritten();
    // Lines that could not be written (folder or file not writable).
    int failedLines() const;

    // Removes the day files of the folder older than `DaysKept` days before `today`.
    static void removeOldFiles(const QString& folder, const QDate& today);

private:
    struct Line {
        QDate day;
        QString text;
    };

    void run();
    void writeBatch(const std::deque<Line>& batch);

    QString m_folder;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_written;
    std::deque<Line> m_queue;
    quint64 m_queued = 0;
    quint64 m_done = 0;
    int m_failed = 0;
    bool m_stopping = false;
    bool m_pruned = false;
    std::thread m_thread;
};
