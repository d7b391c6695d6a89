#pragma once

class QWidget;
class WindowBackground;

// The UI scale of the primary screen, and the window and its skin picture sized for it.
class WindowScale
{
public:
    // Gives the scale to the message boxes and the skin images, sizes `window` and centres it on
    // the screen, starts reading its skin picture into `background`; returns the scale.
    static double apply(QWidget* window, WindowBackground& background);
};
