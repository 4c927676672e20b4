#include "boardwindow.h"

#include "boardemulator.h"
#include "boardview.h"

#include "platform/windows1252.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString describe(const UploadParser::Entry& entry) {
    const auto text = [](const QByteArray& bytes) {
        // Line fields come padded to the board's width; the padding says nothing.
        QByteArray shown = bytes;
        while (shown.endsWith(' '))
            shown.chop(1);
        return QLatin1Char('"') + Windows1252::toUnicode(shown) + QLatin1Char('"');
    };
    QStringList lines;
    for (const QByteArray& line : entry.lines)
        lines << text(line);
    switch (entry.kind) {
    case 'B':
        return QStringLiteral("block, page every %1 s: %2").arg(entry.time).arg(lines.join(' '));
    case 'S':
        return QStringLiteral("scroll, line every %1 s: %2").arg(entry.time).arg(lines.join(' '));
    case 'F':
        return QStringLiteral("flowing text in line %1, step %2/10 s: %3%4")
            .arg(entry.runningLine)
            .arg(entry.time)
            .arg(text(entry.flowText))
            .arg(lines.isEmpty() ? QString() : QStringLiteral(", fixed ") + lines.join(' '));
    default:
        return QStringLiteral("(empty record)");
    }
}

} // namespace

BoardWindow::BoardWindow(BoardEmulator& board, const QString& lineDescription, QWidget* parent)
    : QWidget(parent)
    , m_board(board)
    , m_lineDescription(lineDescription)
    , m_view(new BoardView(board.options().lineCount, board.options().columnCount))
    , m_status(new QLabel)
    , m_upload(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("lumentafel-board %1 x %2")
                       .arg(board.options().lineCount)
                       .arg(board.options().columnCount));
    setStyleSheet(QStringLiteral("BoardWindow { background: #111; } QLabel { color: #ccc; }"));
    m_status->setObjectName(QStringLiteral("boardStatus"));
    m_upload->setObjectName(QStringLiteral("uploadedEntries"));
    m_upload->setReadOnly(true);
    m_upload->setPlaceholderText(QStringLiteral("No upload yet."));
    m_upload->setMaximumHeight(120);
    // A live board never receives an upload: the list takes room from the dots only once an
    // upload has arrived.
    m_upload->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_upload);

    connect(&board, &BoardEmulator::frameShown, this,
            [this] { m_view->setLines(m_board.lines()); });
    connect(&board, &BoardEmulator::countsChanged, this, &BoardWindow::showCounts);
    connect(&board, &BoardEmulator::uploadStored, this, &BoardWindow::showUpload);
    // The rate falls back to 0 when the frames stop.
    auto* refresh = new QTimer(this);
    connect(refresh, &QTimer::timeout, this, &BoardWindow::showCounts);
    refresh->start(500);
    showCounts();
}

void BoardWindow::showCounts() {
    m_status->setText(QStringLiteral("Frames: %1   Rate: %2/s   Framing errors: %3   %4 x %5, "
                                     "8 data bits, no parity, 2 stop bits   %6")
                          .arg(m_board.frameCount())
                          .arg(m_board.frameRate(), 0, 'f', 1)
                          .arg(m_board.framingErrorCount())
                          .arg(m_board.options().lineCount)
                          .arg(m_board.options().columnCount)
                          .arg(m_lineDescription));
}

void BoardWindow::showUpload() {
    QStringList text;
    const QList<UploadParser::Entry>& entries = m_board.uploadedEntries();
    text << QStringLiteral("Uploaded: %1 entries").arg(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        text << QStringLiteral("%1. %2").arg(i + 1).arg(describe(entries.at(i)));
    m_upload->setPlainText(text.join('\n'));
    m_upload->show();
}
