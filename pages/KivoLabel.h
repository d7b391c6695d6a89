#pragma once

#include <QLabel>

// A label that can be clicked: a DPI row's title and value labels select that row's level.
class KivoLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KivoLabel(QWidget* parent = nullptr);

signals:
    void EnterSignal(KivoLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
