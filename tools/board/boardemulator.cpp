#include "boardemulator.h"

#include "boardline.h"

#include "platform/windows1252.h"

#include <QRandomGenerator>

namespace {
constexpr int UploadStallMs = 3000;
constexpr qint64 RateWindowMs = 2000;
} // namespace

BoardEmulator::BoardEmulator(BoardLine& line, Options options, QObject* parent)
    : QObject(parent)
    , m_line(line)
    , m_options(options)
    , m_receiver(options.lineCount, options.columnCount) {
    for (int i = 0; i < m_options.lineCount; ++i)
        m_lines.append(QByteArray(m_options.columnCount, ' '));
    m_clock.start();
    m_line.setReceiveHandler([this](const QByteArray& bytes) { receive(bytes); });
    m_uploadStall.setSingleShot(true);
    m_uploadStall.setInterval(UploadStallMs);
    connect(&m_uploadStall, &QTimer::timeout, this, [this] {
        if (m_receiver.reset()) {
            ++m_framingErrors;
            log(QStringLiteral("framing-error upload stalled"));
            emit countsChanged();
        }
    });
    if (m_options.babble) {
        m_babble.setInterval(700);
        connect(&m_babble, &QTimer::timeout, this, &BoardEmulator::babble);
        m_babble.start();
    }
}

double BoardEmulator::frameRate() const {
    const qint64 now = m_clock.elapsed();
    qsizetype recent = 0;
    for (qint64 t : m_frameTimes)
        if (now - t <= RateWindowMs)
            ++recent;
    return recent * 1000.0 / RateWindowMs;
}

void BoardEmulator::receive(const QByteArray& bytes) {
    using Type = BoardReceiver::Event::Type;
    for (const BoardReceiver::Event& event : m_receiver.feed(bytes)) {
        switch (event.type) {
        case Type::Frame: {
            ++m_frames;
            m_lines = event.lines;
            const qint64 now = m_clock.elapsed();
            m_frameTimes.push_back(now);
            while (!m_frameTimes.empty() && now - m_frameTimes.front() > RateWindowMs)
                m_frameTimes.pop_front();
            QString text = QStringLiteral("frame |");
            for (const QByteArray& l : event.lines)
                text += Windows1252::toUnicode(l) + QLatin1Char('|');
            log(text);
            emit frameShown();
            break;
        }
        case Type::FramingError:
            ++m_framingErrors;
            log(QStringLiteral("framing-error ") + event.detail);
            break;
        case Type::UploadRequest:
            log(QStringLiteral("upload request"));
            answer("BEREIT!");
            break;
        case Type::Upload:
            handleUpload(event.bytes);
            break;
        }
    }
    if (m_receiver.receivingUpload())
        m_uploadStall.start();
    else
        m_uploadStall.stop();
    emit countsChanged();
}

void BoardEmulator::handleUpload(const QByteArray& upload) {
    const UploadParser::Result result =
        UploadParser::parse(upload, m_options.lineCount, m_options.columnCount);
    const QString size = QStringLiteral(" %1 bytes").arg(upload.size());
    if (result.ok()) {
        m_uploaded = result.entries;
        emit uploadStored();
    }
    switch (m_options.reply) {
    case Reply::Check:
    case Reply::None:
        if (result.ok())
            log(QStringLiteral("upload ok") + size);
        else
            log(QStringLiteral("upload check-false") + size + QStringLiteral(": ") + result.fault);
        if (m_options.reply == Reply::Check)
            answer(result.ok() ? "OK!" : "CHECK FALSE");
        break;
    case Reply::CheckFalse:
        log(QStringLiteral("upload check-false") + size + QStringLiteral(": as told"));
        answer("CHECK FALSE");
        break;
    case Reply::EepromFalse:
        log(QStringLiteral("upload eeprom-false") + size + QStringLiteral(": as told"));
        answer("EEPROM FALSE");
        break;
    }
}

void BoardEmulator::answer(const char* reply) {
    if (m_options.reply == Reply::None)
        return;
    m_line.write(QByteArray("<<<") + reply + ">>>");
    log(QStringLiteral("reply ") + QLatin1String(reply));
}

void BoardEmulator::babble() {
    // Noise, half packets and packets without end, as a broken board would send.
    QRandomGenerator* random = QRandomGenerator::global();
    QByteArray noise(random->bounded(1, 40), Qt::Uninitialized);
    for (char& c : noise)
        c = char(random->bounded(256));
    static const QList<QByteArray> broken{"<<<",    ">>>",           "<<<BERE", "<<OK!>>",
                                          "<<<>>>", "<<<bereit!>>>", "<<<<<<X"};
    noise += broken.at(random->bounded(broken.size()));
    m_line.write(noise);
}
