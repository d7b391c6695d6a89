#pragma once

#include <QString>

class QWidget;

// The dark look shared by the macro page and the gun set dialog: light text on the skin's
// panels, framed lists and edits, the accent colour for selections.
class MacroStyle
{
public:
    static QString sheet(double dScale);
    static void placeScaled(QWidget* widget, int x, int y, int w, int h, double dScale);
};
