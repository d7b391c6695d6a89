#include "widgets/PageGeometry.h"

#include <QtMath>

int PageGeometry::scaled(int iValue, double dScale)
{
    return qRound(iValue * dScale);
}

QRect PageGeometry::rect(int x, int y, int w, int h, double dScale)
{
    return QRect(scaled(x, dScale), scaled(y, dScale), scaled(w, dScale), scaled(h, dScale));
}
