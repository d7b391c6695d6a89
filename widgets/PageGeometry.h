#pragma once

#include <QRect>

// Places on the settings pages: fixed coordinates drawn for scale 1.0, multiplied by the UI scale
// and rounded, so that the pages keep their proportions on dense screens.
class PageGeometry
{
public:
    static int scaled(int iValue, double dScale);
    static QRect rect(int x, int y, int w, int h, double dScale);
};
