#pragma once

#include "displayimage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <functional>

class Clock;
class EventPump;
class SerialPort;

// Puts the display image on the display and into the supervision window: SendDisplayImage
// sends the whole image as one screen frame each time it is called.
class DisplayOutput {
    Q_DECLARE_TR_FUNCTIONS(DisplayOutput)

public:
    // The supervision window's line field of that index shows the slot as it is.
    using Mirror = std::function<void(int index, const QByteArray& slot)>;
    // The main window's status bar.
    using StatusSink = std::function<void(const QString& text)>;
    // The further boards: each frame is handed to them before the first board's port is
    // waited on, so a first board that is slow or gone never holds them back.
    using FrameSink = std::function<void(const QByteArray& frame)>;

    // A send gives up when the queued byte count has not gone down for this long.
    static constexpr qint64 StallTimeoutMs = 2000;

    DisplayOutput(SerialPort& port, EventPump& pump, Clock& clock);

    // Values outside what the program can hold are brought into range by DisplayGeometry.
    void setGeometry(int lineCount, int columnCount);
    int lineCount() const { return m_lineCount; }
    int columnCount() const { return m_columnCount; }
    // Nothing is written to the port until the settings have been read.
    void setOutputEnabled(bool enabled) { m_outputEnabled = enabled; }
    bool outputEnabled() const { return m_outputEnabled; }
    void setMirror(Mirror mirror) { m_mirror = std::move(mirror); }
    void setStatusSink(StatusSink sink) { m_status = std::move(sink); }
    void setFrameSink(FrameSink sink) { m_frameSink = std::move(sink); }

    DisplayImage& image() { return m_image; }
    const DisplayImage& image() const { return m_image; }

    // Mirrors the first lineCount slots, builds the frame, waits for room in the output
    // buffer while processing pending events, writes the frame and empties the status bar.
    // A port that cannot be opened or refuses the write, or a line that stopped draining,
    // puts the unavailable message in the status bar instead; the frame is lost. A send
    // overtaken by a newer one during its wait drops its older frame silently. Never throws.
    void sendDisplayImage();
    // Empties the lines the display shows (the slots beyond them keep their text) and sends
    // the image: the display goes blank.
    void blankDisplay();
    // True while a frame is on its way: a send waits for room, or the line still has bytes
    // of a frame to carry. Work that can wait (the rescue copy) lets it go first.
    bool isSending() const;

    static QString unavailableMessage(int portNumber);

private:
    enum class WaitResult { Ready, Overtaken, Stalled };

    WaitResult waitForRoom(qsizetype frameSize, quint64 sendNumber);
    bool mustWait(qsizetype frameSize) const;
    void showStatus(const QString& text);

    SerialPort& m_port;
    EventPump& m_pump;
    Clock& m_clock;
    DisplayImage m_image;
    int m_lineCount = 3;
    int m_columnCount = 24;
    bool m_outputEnabled = false;
    Mirror m_mirror;
    StatusSink m_status;
    FrameSink m_frameSink;
    // Counts the sends begun; a waiting send whose number is no longer the latest was
    // overtaken.
    quint64 m_latestSend = 0;
    // Sends under way (a send waiting for room may let a newer one run).
    int m_sendsUnderWay = 0;
};
