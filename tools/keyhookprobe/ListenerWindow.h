#pragma once

#include <QWidget>

// An ordinary application window that prints the X key code of every key it gets, so a test
// can see whether a key reached another client.
class ListenerWindow : public QWidget
{
    Q_OBJECT
public:
    ListenerWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
