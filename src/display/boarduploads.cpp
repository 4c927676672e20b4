#include "boarduploads.h"

#include "boardfanout.h"
#include "boardoutput.h"

#include "platform/porterror.h"
#include "platform/serialport.h"

#include <QPointer>

BoardUploads::BoardUploads(SerialPort& firstPort, BoardFanOut& boards, Clock& clock,
                           UploadHandshake::Hooks hooks)
    : m_firstPort(firstPort)
    , m_boards(boards)
    , m_clock(clock)
    , m_hooks(std::move(hooks)) {
    UploadHandshake::Hooks first = m_hooks;
    first.showStatus = [this](const QString& text) {
        if (!m_summing && m_hooks.showStatus)
            m_hooks.showStatus(text);
    };
    first.pendingChanged = [this](bool) {
        updatePending();
    };
    first.finished = [this](const QByteArray& reply) {
        boardFinished(0, reply);
    };
    m_first = std::make_unique<UploadHandshake>(firstPort, clock, first);
}

BoardUploads::~BoardUploads() {
    dropFurther();
}

void BoardUploads::dropFurther() {
    for (const QMetaObject::Connection& connection : m_connections)
        QObject::disconnect(connection);
    m_connections.clear();
    m_further.clear();
}

std::unique_ptr<UploadHandshake> BoardUploads::makeFurtherHandshake(int index) {
    QPointer<BoardOutput> output = &m_boards.output(index);
    UploadHandshake::Link link;
    link.open = [output] {
        if (!output || !output->isConnected())
            throw PortError("board not connected");
    };
    link.write = [output](const QByteArray& bytes) {
        if (!output || !output->sendBytes(bytes))
            throw PortError("board not connected");
    };
    UploadHandshake::Hooks hooks = m_hooks;
    hooks.showStatus = {};
    hooks.pendingChanged = [this](bool) {
        updatePending();
    };
    hooks.finished = [this, index](const QByteArray& reply) {
        boardFinished(index + 1, reply);
    };
    hooks.reportError = {};
    return std::make_unique<UploadHandshake>(link, m_clock, hooks);
}

void BoardUploads::start(const SequenceTable& table, int lineCount, int columnCount) {
    dropFurther();
    m_results.clear();
    m_summing = m_boards.count() > 0;
    if (!m_summing) {
        m_first->start(table, lineCount, columnCount);
        return;
    }
    m_results.append(Result{QStringLiteral("COM%1").arg(m_firstPort.portNumber()), {}, {}});
    // The first board builds the upload: a refused one stops here, before any board hears of it.
    try {
        m_first->start(table, lineCount, columnCount);
    } catch (const PortError&) {
        m_results[0].failure = tr("nicht verbunden");
    }
    for (int i = 0; i < m_boards.count(); ++i) {
        m_results.append(Result{m_boards.output(i).name(), {}, {}});
        m_further.push_back(makeFurtherHandshake(i));
        try {
            m_further.back()->start(table, lineCount, columnCount);
        } catch (const PortError&) {
            m_results.last().failure = tr("nicht verbunden");
        }
    }
    for (int i = 0; i < m_boards.count(); ++i) {
        UploadHandshake* handshake = m_further[static_cast<size_t>(i)].get();
        m_connections.push_back(
            QObject::connect(&m_boards.output(i), &BoardOutput::received, &m_boards.output(i),
                             [handshake](const QByteArray& bytes) { handshake->receive(bytes); }));
    }
    updatePending();
    showSummary();
}

void BoardUploads::cancel() {
    m_first->cancel();
    for (const auto& handshake : m_further)
        handshake->cancel();
    dropFurther();
    m_summing = false;
    updatePending();
}

void BoardUploads::receiveFromFirst(const QByteArray& bytes) {
    m_first->receive(bytes);
}

bool BoardUploads::isPending() const {
    if (m_first->isPending())
        return true;
    for (const auto& handshake : m_further) {
        if (handshake->isPending())
            return true;
    }
    return false;
}

void BoardUploads::boardFinished(int index, const QByteArray& reply) {
    if (!m_summing || index >= m_results.size())
        return;
    m_results[index].reply = reply;
    showSummary();
}

void BoardUploads::showSummary() {
    if (!m_summing || !m_hooks.showStatus)
        return;
    int ok = 0;
    QStringList failures;
    for (const Result& result : m_results) {
        if (result.reply == "OK!")
            ++ok;
        else if (!result.reply.isEmpty())
            failures.append(result.name + QStringLiteral(": ") + QString::fromLatin1(result.reply));
        else if (!result.failure.isEmpty())
            failures.append(result.name + QStringLiteral(": ") + result.failure);
        else
            failures.append(result.name + QStringLiteral(": ") + tr("wartet"));
    }
    m_hooks.showStatus(summary(ok, static_cast<int>(m_results.size()), failures));
}

QString BoardUploads::summary(int okCount, int boardCount, const QStringList& failures) {
    QString text = tr("Übertragung: %1 von %2 OK").arg(okCount).arg(boardCount);
    for (const QString& failure : failures)
        text += QStringLiteral("; ") + failure;
    return text;
}

void BoardUploads::updatePending() {
    const bool pending = isPending();
    if (pending == m_pending)
        return;
    m_pending = pending;
    if (m_hooks.pendingChanged)
        m_hooks.pendingChanged(pending);
}
