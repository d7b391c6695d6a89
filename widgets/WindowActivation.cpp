#include "widgets/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>

void WindowActivation::activate(QWidget* window)
{
    window->raise();
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        window->activateWindow();
}
