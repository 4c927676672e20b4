#pragma once

#include <QWidget>

class QPushButton;

// The buttons that send the sequence into the board's own memory and stop a transfer. The
// board plays from its memory only in offline mode, so the strip is shown only there.
//
// The strip speaks in intents (uploadRequested(), cancelRequested()) and shows whether an
// upload is pending: then only "abbrechen" can be pressed, otherwise only "senden".
class UploadStrip final : public QWidget {
    Q_OBJECT

public:
    explicit UploadStrip(QWidget* parent = nullptr);

    void setOfflineMode(bool offline);
    void setPending(bool pending);

    QPushButton* uploadButton() const { return m_uploadButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

signals:
    void uploadRequested();
    void cancelRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QPushButton* m_uploadButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
