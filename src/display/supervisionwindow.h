#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class Clock;
class QLabel;
class QScrollArea;
class Timer;

// The operator's mirror of the character display: one light-on-dark field per display
// line, written with every screen frame. A tool window that stays on top; closing it only
// hides it.
class SupervisionWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int MaxLineFields = 151;
    static constexpr int Margin = 5; // SupervisionMargin
    static constexpr int FieldGap = 2;

    explicit SupervisionWindow(Clock& clock, QWidget* parent = nullptr);
    ~SupervisionWindow() override;

    // Builds the fields Zeile0 .. Zeile<lineCount-1> and sizes the window to hug them.
    void buildLineFields(int lineCount, int columnCount);
    // The display line's text, unchanged; lines without a field are not mirrored.
    void showLine(int index, const QByteArray& text);
    // One state line per board (name, state, bytes waiting); shown below the fields when there
    // is more than one board.
    void showBoardStates(const QStringList& lines);
    QLabel* boardStatesLabel() const { return m_boardStates; }
    int lineFieldCount() const { return static_cast<int>(m_fields.size()); }
    QLabel* lineField(int index) const;

    void setOfflineMode(bool offline) { m_offline = offline; }
    // The one-shot timer of the delayed first showing.
    Timer& showTimer() { return *m_showTimer; }
    void showFirstTime();
    // The size the fields ask for: the client area.
    QSize fittedSize() const { return m_fittedSize; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    std::unique_ptr<Timer> m_showTimer;
    QScrollArea* m_scrollBox = nullptr;
    QWidget* m_content = nullptr;
    QLabel* m_testLabel = nullptr;
    QLabel* m_boardStates = nullptr;
    std::vector<QLabel*> m_fields;
    QSize m_fittedSize;
    bool m_offline = false;
};
