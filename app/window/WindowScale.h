#pragma once

#include <QRect>

class QWidget;
class WindowBackground;

// The UI scale of the primary screen, and the window and its skin picture sized for it.
class WindowScale
{
public:
    // Where the window goes on a screen: the scale it is drawn at and its frame.
    struct Placement
    {
        double dScale = 1.0;
        QRect frame;
    };

    // The scale the screen's logical DPI asks for, lowered step by step until the window fits
    // `available`; the frame centred there. A screen too small even at 1.0 gets the window at its
    // top left, so that the title row and the window's own controls stay within reach.
    static Placement place(double dLogicalDpi, const QRect& available);
    // As place(), with the scale given rather than taken from the DPI.
    static Placement placeAt(double dScale, const QRect& available);

    // Gives the scale to the message boxes and the skin images, sizes `window` and places it on
    // the screen, starts reading its skin picture into `background`; returns the scale.
    // `dForcedScale` above zero is used as it is instead of the one the screen asks for.
    static double apply(QWidget* window, WindowBackground& background, double dForcedScale = 0);
};
