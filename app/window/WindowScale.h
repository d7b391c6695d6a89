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
    // `available`; the frame centred there. The steps are of the size on the screen, the UI
    // scale times `dPixelRatio`: where the toolkit already doubles every pixel, the UI scale may
    // go below 1.0 so that the window still fits. The window is never drawn smaller than its
    // base size in device pixels; a screen too small even for that gets it at its top left, so
    // that the title row and the window's own controls stay within reach. `available` is in
    // the toolkit's pixels, as the window's geometry is.
    static Placement place(double dLogicalDpi, double dPixelRatio, const QRect& available);
    // As place(), with the scale given rather than taken from the DPI.
    static Placement placeAt(double dScale, const QRect& available);

    // Gives the scale to the message boxes and the skin images, sizes `window` and places it on
    // the screen, starts reading its skin picture into `background`; returns the scale.
    // `dForcedScale` above zero is used as it is instead of the one the screen asks for.
    static double apply(QWidget* window, WindowBackground& background, double dForcedScale = 0);
};
