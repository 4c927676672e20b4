#include "boardfanout.h"

#include <algorithm>

BoardFanOut::BoardFanOut(Factory factory, QObject* parent)
    : QObject(parent)
    , m_factory(std::move(factory)) {
}

BoardFanOut::~BoardFanOut() = default;

void BoardFanOut::setBoards(const QList<BoardAddress>& addresses) {
    std::vector<Board> boards;
    std::vector<BoardOutput*> added;
    for (const BoardAddress& address : addresses) {
        auto kept = std::find_if(m_boards.begin(), m_boards.end(),
                                 [&](const Board& b) { return b.output && b.address == address; });
        if (kept != m_boards.end()) {
            boards.push_back(std::move(*kept));
            continue;
        }
        std::unique_ptr<BoardOutput> output = m_factory ? m_factory(address) : nullptr;
        if (!output)
            continue;
        added.push_back(output.get());
        boards.push_back(Board{address, std::move(output)});
    }
    // The list is whole before a new board starts: its first state change may be heard by
    // someone who walks the list.
    m_boards = std::move(boards); // the outputs of the addresses that went end here
    for (BoardOutput* output : added) {
        connect(output, &BoardOutput::stateChanged, this, [this, output](BoardOutput::State state) {
            emit boardStateChanged(output->name(), state);
        });
        connect(output, &BoardOutput::lost, this,
                [this, output](const QString& reason) { emit boardLost(output->name(), reason); });
        if (!m_currentFrame.isEmpty())
            output->sendFrame(m_currentFrame);
        output->start();
    }
    emit boardsChanged();
}

QList<BoardAddress> BoardFanOut::addresses() const {
    QList<BoardAddress> list;
    for (const Board& board : m_boards)
        list.append(board.address);
    return list;
}

void BoardFanOut::sendFrame(const QByteArray& frame) {
    m_currentFrame = frame;
    for (const Board& board : m_boards)
        board.output->sendFrame(frame);
}

void BoardFanOut::flush() {
    for (const Board& board : m_boards)
        board.output->flush();
}
