#include "programboards.h"

#include "programservices.h"
#include "settings.h"

#include "display/boardfanout.h"
#include "display/boardmonitor.h"
#include "display/boardsdialog.h"
#include "display/displayoutput.h"
#include "display/serialboardoutput.h"
#include "display/statusline.h"
#include "display/supervisionwindow.h"
#include "display/tcpboardoutput.h"
#include "platform/comportresolver.h"
#include "platform/qtserialport.h"
#include "platform/serialport.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

ProgramBoards::ProgramBoards(ProgramServices& services, DisplayOutput& output, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_fanOut(std::make_unique<BoardFanOut>(
          [this](const BoardAddress& address) { return makeOutput(address); }))
    , m_monitor(std::make_unique<BoardMonitor>(services.port, *m_fanOut, services.clock)) {
    output.setFrameSink([this](const QByteArray& frame) { m_fanOut->sendFrame(frame); });
    connect(m_fanOut.get(), &BoardFanOut::boardsChanged, m_monitor.get(), &BoardMonitor::look);
    connect(m_fanOut.get(), &BoardFanOut::boardStateChanged, m_monitor.get(), &BoardMonitor::look);
    connect(m_monitor.get(), &BoardMonitor::boardLost, this,
            [](const QString& name) { qInfo("board %s lost", qPrintable(name)); });
    connect(m_monitor.get(), &BoardMonitor::boardBack, this,
            [](const QString& name) { qInfo("board %s back", qPrintable(name)); });
    connect(m_monitor.get(), &BoardMonitor::troubleChanged, this, [](const QString& trouble) {
        if (!trouble.isEmpty())
            qInfo("%s", qPrintable(trouble));
    });
}

ProgramBoards::~ProgramBoards() = default;

std::unique_ptr<BoardOutput> ProgramBoards::makeOutput(const BoardAddress& address) {
    if (m_services.makeBoard)
        return m_services.makeBoard(address);
    if (address.kind == BoardAddress::Kind::Tcp)
        return std::make_unique<TcpBoardOutput>(address.host, address.tcpPort, m_services.clock);
    // Every board speaks on the first board's line settings.
    auto port = std::make_unique<QtSerialPort>(ComPortResolver());
    port->setPortNumber(address.portNumber);
    port->setBaudRate(m_services.port.baudRate());
    port->setOutputBufferSize(m_services.port.outputBufferSize());
    return std::make_unique<SerialBoardOutput>(std::move(port), m_services.clock);
}

void ProgramBoards::addMenuAction(QMenu& menu, QAction* before) {
    m_dialogAction = new QAction(&menu);
    m_dialogAction->setObjectName(QStringLiteral("displaysAction"));
    menu.insertAction(before, m_dialogAction);
    connect(m_dialogAction, &QAction::triggered, this, &ProgramBoards::showDialog);
    retranslate();
}

void ProgramBoards::showStatesIn(SupervisionWindow& supervision, StatusLine& statusLine) {
    QPointer<SupervisionWindow> window = &supervision;
    connect(m_monitor.get(), &BoardMonitor::statusesChanged, &supervision,
            [window](const QList<BoardStatus>& statuses) {
                QStringList lines;
                for (const BoardStatus& status : statuses)
                    lines.append(BoardMonitor::describe(status));
                if (window)
                    window->showBoardStates(lines);
            });
    connect(m_monitor.get(), &BoardMonitor::troubleChanged, &statusLine,
            &StatusLine::showBoardTrouble);
}

void ProgramBoards::start(const QString& settingsFile, const QString& moreBoards) {
    m_settingsFile = settingsFile;
    QStringList rejected;
    const QList<BoardAddress> boards = BoardAddress::parseList(moreBoards, &rejected);
    for (const QString& item : rejected)
        qWarning("WeitereAnzeigen: %s is no board (COMn or tcp://HOST:PORT)", qPrintable(item));
    m_fanOut->setBoards(boards);
    m_monitor->start();
}

void ProgramBoards::setBoards(const QList<BoardAddress>& boards) {
    m_fanOut->setBoards(boards);
    if (!m_settingsFile.isEmpty() &&
        !SettingsFile(m_settingsFile).writeMoreBoards(BoardAddress::joinList(boards)))
        qWarning("cannot write the settings file %s", qPrintable(m_settingsFile));
}

void ProgramBoards::showDialog() {
    if (!m_dialog) {
        auto* parentWidget = qobject_cast<QWidget*>(parent());
        m_dialog = new BoardsDialog(parentWidget);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &BoardsDialog::boardsChanged, this, &ProgramBoards::setBoards);
        connect(m_monitor.get(), &BoardMonitor::statusesChanged, m_dialog,
                &BoardsDialog::showStatuses);
    }
    const int first = m_services.port.portNumber();
    m_dialog->setFirstBoard(first > 0 ? QStringLiteral("COM%1").arg(first) : QString());
    m_dialog->setBoards(m_fanOut->addresses());
    m_dialog->showStatuses(m_monitor->statuses());
    m_dialog->show();
    m_dialog->raise();
}

BoardsDialog* ProgramBoards::dialog() const {
    return m_dialog;
}

void ProgramBoards::retranslate() {
    if (m_dialogAction)
        m_dialogAction->setText(tr("&Anzeigen…"));
}
