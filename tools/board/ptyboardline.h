#pragma once

#include "boardline.h"

#include <QString>

class QSocketNotifier;

// A pseudo-terminal whose far end is published as a link (the ports folder's "COM5"), so the
// program opens it as it would a serial port. The link is removed again when the line goes.
class PtyBoardLine final : public BoardLine {
public:
    explicit PtyBoardLine(QString linkPath);
    ~PtyBoardLine() override;
    PtyBoardLine(const PtyBoardLine&) = delete;
    PtyBoardLine& operator=(const PtyBoardLine&) = delete;

    QString open() override;
    void write(const QByteArray& bytes) override;
    QString description() const override;

    // Removes the link; safe to call from a signal handler's aftermath more than once.
    void removeLink();

private:
    void readAvailable();

    QString m_linkPath;
    QString m_devicePath;
    int m_master = -1;
    // Held open so the master never reads end-of-file while the program has the line closed.
    int m_slave = -1;
    QSocketNotifier* m_notifier = nullptr;
    bool m_linked = false;
};
