#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// A private X server (Xvfb) on a free display, and keyboard input to its windows through
// xdotool, for tests that need a real windowing system.
class XSession {
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Xvfb and xdotool are installed.
    static bool available();

    // Starts the server; true once it accepts clients.
    bool start(int timeoutMs = 10000);
    void stop();
    bool isRunning() const { return m_xvfb.state() == QProcess::Running; }

    // ":<n>", empty before start().
    const QString& display() const { return m_display; }
    // `base` with DISPLAY naming this server.
    QProcessEnvironment
    environment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;

    // Waits for a visible window whose title matches `windowName` (a regular expression),
    // gives it the keyboard focus and sends `keys` ("ctrl+s", "Return", "alt+a r", ...).
    bool key(const QString& windowName, const QString& keys, int timeoutMs = 10000);
    // The same for typing a text.
    bool type(const QString& windowName, const QString& text, int timeoutMs = 10000);
    // Waits until no visible window's title matches `windowName` any more (a box answered).
    bool waitUntilClosed(const QString& windowName, int timeoutMs = 10000);

    // What went wrong last, for a failing test's message.
    const QByteArray& errorOutput() const { return m_error; }

private:
    bool focus(const QString& windowName, int timeoutMs);
    bool xdotool(const QStringList& arguments, int timeoutMs, QByteArray* output = nullptr);

    QProcess m_xvfb;
    QString m_display;
    QByteArray m_error;
};
