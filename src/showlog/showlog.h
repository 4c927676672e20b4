#pragma once

#include "playback/playbackcommand.h"
#include "playback/shownentry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>

#include <functional>
#include <memory>

class ShowLogWriter;

// The show log: what the board showed and what happened to the show, one line each, for the
// stage manager's report. It only listens (to the playback commands' and the boards'
// signals); the lines go to the writer, which keeps the disk away from the frames.
//
// A line: "19:31:05.127<TAB>what<TAB>details", in the language of the moment.
class ShowLog final : public QObject {
    Q_OBJECT

public:
    using Now = std::function<QDateTime()>;

    explicit ShowLog(ShowLogWriter& writer, QObject* parent = nullptr);
    ~ShowLog() override;

    // The clock the lines are stamped with; the local time unless set.
    void setNow(Now now) { m_now = std::move(now); }
    // Today's file (it may not exist yet).
    QString todaysFile() const;

    void entryStarted(const ShownEntry& entry, const CommandOrigin& origin);
    void stateChanged(const PlaybackSnapshot& state);
    // The remote control's answer to `command` from `sender`: every answer but "ok" (denied,
    // badpass, error with its reason) is a refused remote command. A flood is cut off after
    // RefusalsPerMinute lines in a minute, with one line that says so.
    void remoteAnswered(const QString& sender, const QByteArray& command, const QByteArray& status,
                        const QString& detail);
    void boardLost(const QString& name);
    void boardBack(const QString& name);

    static QString inputText(const CommandOrigin& origin);

private:
    void write(const QString& what, const QString& details = {});

    ShowLogWriter& m_writer;
    Now m_now;
    bool m_seenState = false;
    static constexpr int RefusalsPerMinute = 100;
    QDateTime m_refusalMinute;
    int m_refusalsThisMinute = 0;
    PlaybackSnapshot m_last;
};
