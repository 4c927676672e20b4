#pragma once

#include "display/boardaddress.h"

#include <QObject>
#include <QPointer>

#include <memory>

class BoardFanOut;
class BoardMonitor;
class BoardOutput;
class BoardsDialog;
class DisplayOutput;
class QAction;
class QMenu;
class StatusLine;
class SupervisionWindow;
struct ProgramServices;

// Composes the boards beside the first: their outputs behind the fan-out, the monitor that
// publishes every board's state to the supervision window and the status line, and the
// displays dialog that adds and removes them and stores the choice.
class ProgramBoards final : public QObject {
    Q_OBJECT

public:
    ProgramBoards(ProgramServices& services, DisplayOutput& output, QObject* parent = nullptr);
    ~ProgramBoards() override;

    // "Anzeigen…" goes into the menu, before `before`.
    void addMenuAction(QMenu& menu, QAction* before);
    void showStatesIn(SupervisionWindow& supervision, StatusLine& statusLine);
    // Once the settings are read: the boards of WeitereAnzeigen, on the first board's line
    // settings (baud rate, output buffer size).
    void start(const QString& settingsFile, const QString& moreBoards);
    // Changes the boards and stores them in the settings file.
    void setBoards(const QList<BoardAddress>& boards);
    void showDialog();
    void retranslate();

    BoardFanOut& fanOut() { return *m_fanOut; }
    BoardMonitor& monitor() { return *m_monitor; }
    QAction* dialogAction() const { return m_dialogAction; }
    BoardsDialog* dialog() const;

private:
    std::unique_ptr<BoardOutput> makeOutput(const BoardAddress& address);

    ProgramServices& m_services;
    std::unique_ptr<BoardFanOut> m_fanOut;
    std::unique_ptr<BoardMonitor> m_monitor;
    QAction* m_dialogAction = nullptr;
    QPointer<BoardsDialog> m_dialog;
    QString m_settingsFile;
};
