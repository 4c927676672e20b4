#pragma once

#include "sequencefile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Writes and removes rescue copies on a thread of its own, in the order asked, so that the
// user-interface thread never waits for the disk. A write still waiting is replaced by a
// newer one: only the latest text matters.
class RescueWriter final {
public:
    RescueWriter();
    // Finishes what was asked, then ends the thread.
    ~RescueWriter();
    RescueWriter(const RescueWriter&) = delete;
    RescueWriter& operator=(const RescueWriter&) = delete;

    // Encodes the lines and writes them, as a save does, to the first of `paths` that can be
    // written. A copy found at one of `keepAside` is first renamed aside under the time it was
    // written; one that cannot be renamed is not written over.
    void write(SequenceFile::Lines lines, const QStringList& paths,
               const QStringList& keepAside = QStringList());
    // Removes the files at `paths` (those that exist).
    void remove(const QStringList& paths);
    // Returns once everything asked so far has been done.
    void waitUntilDone();
    // Where the last write went; empty when it reached none of its paths.
    QString lastWritten() const;

private:
    struct Job {
        bool remove = false;
        SequenceFile::Lines lines;
        QStringList paths;
        QStringList keepAside;
    };

    void push(Job job);
    void run();
    void perform(const Job& job);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<Job> m_jobs;
    bool m_working = false;
    bool m_stopping = false;
    QString m_lastWritten;
    std::thread m_thread;
};
