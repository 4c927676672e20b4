#include "showlog.h"

#include "showlogwriter.h"

#include "platform/windows1252.h"
#include "sequence/textkind.h"

ShowLog::ShowLog(ShowLogWriter& writer, QObject* parent)
    : QObject(parent)
    , m_writer(writer)
    , m_now([] { return QDateTime::currentDateTime(); }) {
}

ShowLog::~ShowLog() = default;

QString ShowLog::todaysFile() const {
    return m_writer.fileFor(m_now().date());
}

void ShowLog::write(const QString& what, const QString& details) {
    const QDateTime now = m_now();
    QString line = now.time().toString(QStringLiteral("HH:mm:ss.zzz")) + QLatin1Char('\t') + what;
    if (!details.isEmpty())
        line += QLatin1Char('\t') + details;
    // A tab or line break inside a text would split the line.
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    m_writer.append(now.date(), line);
}

QString ShowLog::inputText(const CommandOrigin& origin) {
    switch (origin.input) {
    case CommandOrigin::Input::Program:
        return tr("Programm");
    case CommandOrigin::Input::Key:
        return tr("Taste");
    case CommandOrigin::Input::Button:
        return tr("Schalter");
    case CommandOrigin::Input::Menu:
        return tr("Menü");
    case CommandOrigin::Input::Remote:
        return tr("Fernsteuerung %1").arg(origin.sender);
    case CommandOrigin::Input::DurationTimer:
        return tr("Dauer abgelaufen");
    case CommandOrigin::Input::TextRunOut:
        return tr("Text ausgelaufen");
    }
    return {};
}

void ShowLog::entryStarted(const ShownEntry& entry, const CommandOrigin& origin) {
    if (entry.isBlank())
        return;
    QString firstLine =
        entry.lines.isEmpty() ? QString() : Windows1252::toUnicode(entry.lines.first()).trimmed();
    // A tab inside the text would split the line's columns.
    firstLine.replace(QLatin1Char('\t'), QLatin1Char(' '));
    write(tr("Start"),
          QStringList{QString::fromLatin1(entry.number),
                      QString::fromLatin1(TextKindCode::write(entry.kind)),
                      QLatin1Char('"') + firstLine + QLatin1Char('"'), inputText(origin)}
              .join(QLatin1Char('\t')));
}

void ShowLog::stateChanged(const PlaybackSnapshot& state) {
    const PlaybackSnapshot last = m_last;
    const bool seen = m_seenState;
    m_last = state;
    m_seenState = true;
    if (!seen)
        return;
    if (state.paused != last.paused)
        write(state.paused ? tr("Pause") : tr("Weiter"));
    if (state.mode == PlaybackMode::Stopped && last.mode != PlaybackMode::Stopped)
        write(tr("Stopp"));
    if (state.speedPercent != last.speedPercent)
        write(tr("Geschwindigkeit"), QStringLiteral("%1 %").arg(state.speedPercent));
}

void ShowLog::remoteAnswered(const QString& sender, const QByteArray& command,
                             const QByteArray& status, const QString& detail) {
    if (status == "ok")
        return;
    const QDateTime now = m_now();
    if (!m_refusalMinute.isValid() || m_refusalMinute.secsTo(now) >= 60) {
        m_refusalMinute = now;
        m_refusalsThisMinute = 0;
    }
    if (++m_refusalsThisMinute > RefusalsPerMinute) {
        if (m_refusalsThisMinute == RefusalsPerMinute + 1)
            write(tr("Abgelehnt"), tr("weitere Ablehnungen in dieser Minute nicht protokolliert"));
        return;
    }
    QString text = QString::fromUtf8(command) + QLatin1Char(' ') + QString::fromUtf8(status);
    if (!detail.isEmpty())
        text += QStringLiteral(": ") + detail;
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    write(tr("Abgelehnt"), tr("Fernsteuerung %1").arg(sender) + QLatin1Char('\t') + text);
}

void ShowLog::boardLost(const QString& name) {
    write(tr("Anzeige verloren"), name);
}

void ShowLog::boardBack(const QString& name) {
    write(tr("Anzeige zurück"), name);
}
