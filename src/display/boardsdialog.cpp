#include "boardsdialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

BoardsDialog::BoardsDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("boardsDialog"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("boardList"));
    m_hint = new QLabel(this);
    m_hint->setWordWrap(true);
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("boardAddressEdit"));
    m_address->setPlaceholderText(QStringLiteral("COM8, tcp://10.0.0.20:4001"));
    m_add = new QPushButton(this);
    m_add->setObjectName(QStringLiteral("addBoardButton"));
    m_remove = new QPushButton(this);
    m_remove->setObjectName(QStringLiteral("removeBoardButton"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("closeBoardsButton"));

    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_address, 1);
    addRow->addWidget(m_add);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_hint);
    layout->addLayout(addRow);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &BoardsDialog::addBoard);
    connect(m_address, &QLineEdit::returnPressed, this, &BoardsDialog::addBoard);
    connect(m_remove, &QPushButton::clicked, this, &BoardsDialog::removeBoard);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_remove->setEnabled(row > 0); });
    retranslate();
    refresh();
    resize(420, 280);
}

void BoardsDialog::setBoards(const QList<BoardAddress>& boards) {
    m_boards = boards;
    refresh();
}

void BoardsDialog::setFirstBoard(const QString& name) {
    m_firstBoard = name;
    refresh();
}

void BoardsDialog::showStatuses(const QList<BoardStatus>& statuses) {
    m_statuses = statuses;
    refresh();
}

void BoardsDialog::addBoard() {
    const QList<BoardAddress> added = BoardAddress::parseList(m_address->text());
    QStringList rejected;
    BoardAddress::parseList(m_address->text(), &rejected);
    if (added.isEmpty() || !rejected.isEmpty()) {
        m_hint->setText(tr("Keine Anzeige: %1. Erlaubt sind COMn und tcp://HOST:PORT.")
                            .arg(rejected.isEmpty() ? m_address->text() : rejected.join(", ")));
        return;
    }
    for (const BoardAddress& address : added) {
        if (!m_boards.contains(address))
            m_boards.append(address);
    }
    m_address->clear();
    m_hint->clear();
    refresh();
    emit boardsChanged(m_boards);
}

void BoardsDialog::removeBoard() {
    // Row 0 is the first board; the further boards follow in their order.
    const int index = m_list->currentRow() - 1;
    if (index < 0 || index >= m_boards.size())
        return;
    m_boards.removeAt(index);
    refresh();
    emit boardsChanged(m_boards);
}

void BoardsDialog::refresh() {
    const int row = m_list->currentRow();
    m_list->clear();
    const auto lineFor = [this](const QString& name) {
        for (const BoardStatus& status : m_statuses) {
            if (status.name == name)
                return BoardMonitor::describe(status);
        }
        return name;
    };
    // Row 0 is the first board, the port command's; it cannot be removed here.
    m_list->addItem(m_firstBoard.isEmpty() ? tr("Erste Anzeige: kein COM-Port gewählt")
                                           : tr("Erste Anzeige %1").arg(lineFor(m_firstBoard)));
    for (const BoardAddress& board : m_boards)
        m_list->addItem(lineFor(board.text()));
    m_list->setCurrentRow(qMin(row, m_list->count() - 1));
    m_remove->setEnabled(m_list->currentRow() > 0);
}

void BoardsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
    QDialog::changeEvent(event);
}

void BoardsDialog::retranslate() {
    setWindowTitle(tr("Anzeigen"));
    m_add->setText(tr("Hinzufügen"));
    m_remove->setText(tr("Entfernen"));
    m_close->setText(tr("Schließen"));
}
