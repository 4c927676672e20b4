#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QPushButton;

// The table commands under the entry editor: the row of buttons "Nr. neu", "Neuer Text",
// "Neu durchnumerieren", "Texte löschen" and "Texte tauschen", and the actions the window puts
// into its menu "&Bearbeiten" (delete, exchange, the marking list). It builds and owns them and
// reports what the operator asked for; the commands themselves run elsewhere.
class TableCommandBar final : public QWidget {
    Q_OBJECT

public:
    explicit TableCommandBar(QWidget* parent = nullptr);

    // The menu's actions in menu order; they stay owned by the bar.
    QList<QAction*> menuActions() const;

    QPushButton* proposeNumberButton() const { return m_proposeNumber; }
    QPushButton* newTextButton() const { return m_newText; }
    QPushButton* renumberButton() const { return m_renumber; }
    QPushButton* deleteTextsButton() const { return m_deleteTexts; }
    QPushButton* exchangeTextsButton() const { return m_exchangeTexts; }
    QAction* deleteTextsAction() const { return m_deleteTextsAction; }
    QAction* exchangeTextsAction() const { return m_exchangeTextsAction; }
    QAction* markListAction() const { return m_markListAction; }

protected:
    void changeEvent(QEvent* event) override;

signals:
    void proposeNumberRequested();
    void newTextRequested();
    void renumberRequested();
    void deleteTextsRequested();
    void exchangeTextsRequested();
    void markListRequested();

private:
    void retranslate();
    QPushButton* m_proposeNumber = nullptr;
    QPushButton* m_newText = nullptr;
    QPushButton* m_renumber = nullptr;
    QPushButton* m_deleteTexts = nullptr;
    QPushButton* m_exchangeTexts = nullptr;
    QAction* m_deleteTextsAction = nullptr;
    QAction* m_exchangeTextsAction = nullptr;
    QAction* m_markListAction = nullptr;
};
