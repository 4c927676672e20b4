#include "xsession.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

XSession::~XSession() {
    stop();
}

bool XSession::available() {
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

bool XSession::start(int timeoutMs) {
    // With -displayfd the server picks a free display itself and writes its number to
    // standard output once it accepts clients.
    m_xvfb.setProcessChannelMode(QProcess::SeparateChannels);
    m_xvfb.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    if (!m_xvfb.waitForStarted(timeoutMs)) {
        m_error = m_xvfb.errorString().toUtf8();
        return false;
    }
    QByteArray number;
    const QDeadlineTimer deadline(timeoutMs);
    while (!number.contains('\n') && !deadline.hasExpired() && isRunning()) {
        m_xvfb.waitForReadyRead(100);
        number += m_xvfb.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        m_error = "Xvfb reported no display: " + m_xvfb.readAllStandardError();
        stop();
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    return true;
}

void XSession::stop() {
    if (m_xvfb.state() == QProcess::NotRunning)
        return;
    m_xvfb.terminate();
    if (!m_xvfb.waitForFinished(5000)) {
        m_xvfb.kill();
        m_xvfb.waitForFinished(5000);
    }
}

QProcessEnvironment XSession::environment(QProcessEnvironment base) const {
    base.insert(QStringLiteral("DISPLAY"), m_display);
    return base;
}

bool XSession::key(const QString& windowName, const QString& keys, int timeoutMs) {
    // Several keys apart by spaces go in one run, so that a menu opened by the first takes
    // the next.
    return focus(windowName, timeoutMs) &&
           xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} +
                       keys.split(QLatin1Char(' '), Qt::SkipEmptyParts),
                   timeoutMs);
}

bool XSession::type(const QString& windowName, const QString& text, int timeoutMs) {
    return focus(windowName, timeoutMs) &&
           xdotool({QStringLiteral("type"), QStringLiteral("--clearmodifiers"), text}, timeoutMs);
}

bool XSession::waitUntilClosed(const QString& windowName, int timeoutMs) {
    // Each look is a run of xdotool; it ends with an error while nothing matches.
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), windowName},
                     timeoutMs))
            return true;
    }
    m_error = "a window named " + windowName.toUtf8() + " is still open";
    return false;
}

bool XSession::focus(const QString& windowName, int timeoutMs) {
    // Without a window manager a window takes the focus directly; the search waits until
    // the window is mapped.
    QByteArray found;
    if (!xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                  QStringLiteral("--onlyvisible"), QStringLiteral("--name"), windowName},
                 timeoutMs, &found))
        return false;
    const QByteArray window = found.split('\n').first().trimmed();
    return xdotool(
        {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(window)},
        timeoutMs);
}

bool XSession::xdotool(const QStringList& arguments, int timeoutMs, QByteArray* output) {
    QProcess run;
    run.setProcessEnvironment(environment());
    run.start(QStringLiteral("xdotool"), arguments);
    if (!run.waitForFinished(timeoutMs)) {
        run.kill();
        run.waitForFinished(1000);
        m_error = "xdotool " + arguments.join(QLatin1Char(' ')).toUtf8() + " did not finish";
        return false;
    }
    if (output)
        *output = run.readAllStandardOutput();
    if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
        m_error = "xdotool " + arguments.join(QLatin1Char(' ')).toUtf8() + ": " +
                  run.readAllStandardError();
        return false;
    }
    return true;
}
