#pragma once

#include "board/boardreceiver.h"
#include "board/uploadparser.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

class BoardLine;

// The board's behaviour on its line: shows every whole frame, counts framing errors, and
// answers the upload protocol (0x55 -> "BEREIT!", the upload -> "OK!" or "CHECK FALSE").
// The answers can be forced for rehearsing failures, or left out; the board can babble.
class BoardEmulator final : public QObject {
    Q_OBJECT

public:
    enum class Reply { Check, EepromFalse, CheckFalse, None };

    struct Options {
        int lineCount = 3;
        int columnCount = 24;
        Reply reply = Reply::Check;
        bool babble = false;
    };

    BoardEmulator(BoardLine& line, Options options, QObject* parent = nullptr);

    const Options& options() const { return m_options; }
    qint64 frameCount() const { return m_frames; }
    qint64 framingErrorCount() const { return m_framingErrors; }
    // Frames per second over the last few seconds.
    double frameRate() const;
    const QList<QByteArray>& lines() const { return m_lines; }
    const QList<UploadParser::Entry>& uploadedEntries() const { return m_uploaded; }

signals:
    // One line per event, as the headless board prints it.
    void eventLogged(const QString& line);
    void frameShown();
    void uploadStored();
    void countsChanged();

private:
    void receive(const QByteArray& bytes);
    void handleUpload(const QByteArray& upload);
    void answer(const char* reply);
    void babble();
    void log(const QString& line) { emit eventLogged(line); }

    BoardLine& m_line;
    Options m_options;
    BoardReceiver m_receiver;
    QList<QByteArray> m_lines;
    QList<UploadParser::Entry> m_uploaded;
    qint64 m_frames = 0;
    qint64 m_framingErrors = 0;
    QElapsedTimer m_clock;
    std::deque<qint64> m_frameTimes;
    // An upload that stalls half-way is given up, so the next request is heard.
    QTimer m_uploadStall;
    QTimer m_babble;
};
