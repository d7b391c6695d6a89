#pragma once

class QWidget;

// Brings a window to the front and asks for the keyboard focus where a program may ask for it.
// On the Wayland platform the compositor alone decides, and asking only prints a warning.
class WindowActivation
{
public:
    static void activate(QWidget* window);
};
