#pragma once

#include <QLabel>

// A label that can be clicked: a DPI row's title and value labels select that row's level, and a
// double click on a value asks to type it.
class KivoLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KivoLabel(QWidget* parent = nullptr);

signals:
    void EnterSignal(KivoLabel* label);
    void EditSignal(KivoLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
