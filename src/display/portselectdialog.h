#pragma once

#include <QDialog>

class QComboBox;

// "COM-Port auswählen": the list of ports present, to choose one from. German only.
class PortSelectDialog final : public QDialog {
    Q_OBJECT

public:
    explicit PortSelectDialog(const QStringList& items, QWidget* parent = nullptr);

    // The number of the chosen item ("COM3" gives 3), 0 when none can be chosen.
    int chosenPort() const;
    // Shows the dialog modally: the chosen number, or 0 on "Abbruch" or an empty list.
    static int choose(const QStringList& items, QWidget* parent = nullptr);

private:
    QComboBox* m_ports = nullptr;
};
