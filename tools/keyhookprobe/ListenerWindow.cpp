#include "ListenerWindow.h"

#include <QKeyEvent>

#include <cstdio>

ListenerWindow::ListenerWindow()
{
    setWindowTitle("key listener");
    resize(200, 80);
}

void ListenerWindow::keyPressEvent(QKeyEvent* event)
{
    std::printf("listener key=%u\n", event->nativeScanCode());
    std::fflush(stdout);
}
