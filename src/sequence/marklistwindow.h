#pragma once

#include <QWidget>

class MarkListWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MarkListWindow(QWidget* parent = nullptr);
};
