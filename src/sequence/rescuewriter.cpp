#include "rescuewriter.h"

#include "fileerror.h"
#include "rescuecopy.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

RescueWriter::RescueWriter()
    : m_thread([this] { run(); }) {
}

RescueWriter::~RescueWriter() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void RescueWriter::write(SequenceFile::Lines lines, const QStringList& paths,
                         const QStringList& keepAside) {
    push(Job{false, std::move(lines), paths, keepAside});
}

void RescueWriter::remove(const QStringList& paths) {
    push(Job{true, SequenceFile::Lines(), paths, QStringList()});
}

void RescueWriter::push(Job job) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!job.remove && !m_jobs.empty() && !m_jobs.back().remove) {
            // The copies the replaced write was to keep aside are still to be kept.
            for (const QString& path : std::as_const(m_jobs.back().keepAside))
                if (!job.keepAside.contains(path))
                    job.keepAside.append(path);
            m_jobs.back() = std::move(job);
        } else
            m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void RescueWriter::waitUntilDone() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_done.wait(lock, [this] { return m_jobs.empty() && !m_working; });
}

QString RescueWriter::lastWritten() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastWritten;
}

void RescueWriter::run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty())
            return; // stopping, and nothing left to do
        const Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_working = true;
        lock.unlock();
        perform(job);
        lock.lock();
        m_working = false;
        if (m_jobs.empty())
            m_done.notify_all();
    }
}

void RescueWriter::perform(const Job& job) {
    if (job.remove) {
        for (const QString& path : job.paths)
            QFile::remove(path);
        return;
    }
    QStringList paths = job.paths;
    for (const QString& path : job.keepAside) {
        if (!QFileInfo(path).isFile())
            continue;
        const QString aside = RescueCopy::keepAside(path);
        if (aside.isEmpty()) {
            qWarning("the rescue copy %s could not be kept aside and is not written over",
                     qPrintable(path));
            paths.removeAll(path);
        } else {
            qWarning("an earlier rescue copy was kept as %s", qPrintable(aside));
        }
    }
    const QByteArray text = SequenceFile::encode(job.lines);
    QString written;
    for (const QString& path : std::as_const(paths)) {
        try {
            SequenceFile::write(text, path);
            written = path;
            break;
        } catch (const FileError& e) {
            qWarning("%s", e.what());
        }
    }
    if (written.isEmpty())
        qWarning("the rescue copy could not be written");
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_lastWritten = written;
}
