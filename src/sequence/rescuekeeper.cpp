#include "rescuekeeper.h"

#include "documentstate.h"
#include "rescuecopy.h"

#include "platform/clock.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>

#include <exception>
#include <utility>

RescueKeeper::RescueKeeper(DocumentState& document, Clock& clock, Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_clock(clock)
    , m_hooks(std::move(hooks))
    , m_timer(clock.createTimer(QStringLiteral("RescueTimer"), DelayMs, this)) {
    m_timer->setOnTimeout([this] { timeout(); });
    connect(&m_document, &DocumentState::modifiedChanged, this, [this] { noteChange(); });
}

RescueKeeper::~RescueKeeper() = default;

void RescueKeeper::watch(const QAbstractItemModel& table) {
    const auto changed = [this] {
        noteChange();
    };
    // The marker colours (column 0) change with every entry played; they are not stored.
    connect(&table, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex& to) {
                if (to.column() > 0)
                    noteChange();
            });
    connect(&table, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&table, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&table, &QAbstractItemModel::layoutChanged, this, changed);
    connect(&table, &QAbstractItemModel::modelReset, this, changed);
    connect(&table, &QAbstractItemModel::headerDataChanged, this, changed);
}

bool RescueKeeper::hasUnsavedWork() const {
    return m_document.isModified() || (m_hooks.entryPending && m_hooks.entryPending());
}

void RescueKeeper::noteChange() {
    if (m_finished)
        return;
    if (!hasUnsavedWork()) {
        // Saved, or given up by the operator: the copy has served.
        m_timer->setEnabled(false);
        removeCopies();
        return;
    }
    const qint64 now = m_clock.nowMs();
    if (!m_timer->isEnabled()) {
        m_firstChangeMs = now;
    } else if (now - m_firstChangeMs >= MaxWaitMs) {
        return; // a steady stream of changes: the copy comes when the countdown runs out
    }
    m_timer->setInterval(DelayMs);
    m_timer->setEnabled(false);
    m_timer->setEnabled(true);
}

void RescueKeeper::timeout() {
    m_timer->setEnabled(false);
    if (m_finished || !hasUnsavedWork())
        return;
    if (m_hooks.sending && m_hooks.sending()) {
        m_timer->setInterval(RetryMs);
        m_timer->setEnabled(true);
        return;
    }
    m_timer->setInterval(DelayMs);
    writeCopy();
}

bool RescueKeeper::writeCopy() {
    const QString document = m_document.currentFile();
    QStringList paths = RescueCopy::paths(document, m_fallbackFolder);
    // A document that is itself a rescue copy is not overwritten with unsaved work.
    paths.removeAll(QFileInfo(document).absoluteFilePath());
    if (paths.isEmpty() || !m_hooks.snapshot)
        return false;
    if (!m_writtenFor.isEmpty() && m_writtenFor != document)
        removeCopies(); // the work moved to another document
    SequenceFile::Lines lines;
    try {
        lines = m_hooks.snapshot();
    } catch (const std::exception& e) {
        qWarning("no rescue copy this time: %s", e.what());
        return false;
    }
    // A copy this run has not written and the operator has not answered goes aside first.
    QStringList keepAside;
    for (const QString& path : std::as_const(paths)) {
        if (!m_ownCopies.contains(path)) {
            keepAside.append(path);
            m_ownCopies.insert(path);
        }
    }
    m_writer.write(std::move(lines), paths, keepAside);
    m_writtenFor = document;
    return true;
}

void RescueKeeper::removeCopies() {
    if (m_writtenFor.isEmpty())
        return;
    const QString document = QFileInfo(m_document.currentFile()).absoluteFilePath();
    QStringList paths;
    for (const QString& path : RescueCopy::paths(m_writtenFor, m_fallbackFolder)) {
        if (m_ownCopies.contains(path) && path != document)
            paths.append(path);
    }
    m_writer.remove(paths);
    m_writtenFor.clear();
}

void RescueKeeper::adoptCopy(const QString& rescuePath) {
    if (m_finished)
        return;
    const QString document = m_document.currentFile();
    if (!m_writtenFor.isEmpty() && m_writtenFor != document)
        removeCopies();
    m_ownCopies.insert(QDir::cleanPath(QFileInfo(rescuePath).absoluteFilePath()));
    m_writtenFor = document;
}

bool RescueKeeper::ownsCopy(const QString& rescuePath) const {
    return m_ownCopies.contains(QDir::cleanPath(QFileInfo(rescuePath).absoluteFilePath()));
}

QString RescueKeeper::rescueNow() {
    if (m_finished || !hasUnsavedWork())
        return QString();
    m_timer->setEnabled(false);
    m_finished = true;
    const bool asked = writeCopy();
    m_writer.waitUntilDone();
    const QString written = asked ? m_writer.lastWritten() : QString();
    if (written.isEmpty())
        qWarning("unsaved changes are lost");
    else
        qWarning("unsaved changes kept in %s", qPrintable(written));
    return written;
}

void RescueKeeper::closeCleanly() {
    if (m_finished)
        return;
    m_timer->setEnabled(false);
    removeCopies();
    m_finished = true;
    m_writer.waitUntilDone();
}
