#include "showlogwriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

ShowLogWriter::ShowLogWriter(QString folder)
    : m_folder(std::move(folder))
    , m_thread([this] { run(); }) {
}

ShowLogWriter::~ShowLogWriter() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

QString ShowLogWriter::fileNameFor(const QDate& day) {
    return QStringLiteral("show-%1.log").arg(day.toString(Qt::ISODate));
}

QString ShowLogWriter::fileFor(const QDate& day) const {
    return QDir(m_folder).filePath(fileNameFor(day));
}

void ShowLogWriter::append(const QDate& day, const QString& line) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(Line{day, line});
        ++m_queued;
    }
    m_wake.notify_one();
}

void ShowLogWriter::waitUntilWritten() {
    std::unique_lock<std::mutex> lock(m_mutex);
    const quint64 target = m_queued;
    m_written.wait(lock, [&] { return m_done >= target; });
}

int ShowLogWriter::failedLines() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_failed;
}

void ShowLogWriter::run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty() && m_stopping)
            return;
        std::deque<Line> batch;
        batch.swap(m_queue);
        lock.unlock();
        writeBatch(batch);
        lock.lock();
        m_done += batch.size();
        m_written.notify_all();
    }
}

void ShowLogWriter::writeBatch(const std::deque<Line>& batch) {
    if (!m_pruned) {
        m_pruned = true;
        removeOldFiles(m_folder, batch.front().day);
    }
    QDir().mkpath(m_folder);
    int failed = 0;
    size_t i = 0;
    while (i < batch.size()) {
        // The lines of one day go into its file in one append.
        const QDate day = batch[i].day;
        QByteArray bytes;
        size_t count = 0;
        for (; i < batch.size() && batch[i].day == day; ++i, ++count)
            bytes += batch[i].text.toUtf8() + '\n';
        QFile file(fileFor(day));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append) ||
            file.write(bytes) != bytes.size())
            failed += static_cast<int>(count);
    }
    if (failed > 0) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_failed += failed;
    }
}

void ShowLogWriter::removeOldFiles(const QString& folder, const QDate& today) {
    static const QRegularExpression name(QStringLiteral("^show-(\\d{4}-\\d{2}-\\d{2})\\.log$"));
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("show-*.log")}, QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& file : files) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch())
            continue;
        const QDate day = QDate::fromString(m.captured(1), Qt::ISODate);
        if (day.isValid() && day.daysTo(today) > DaysKept)
            QFile::remove(dir.filePath(file));
    }
}
