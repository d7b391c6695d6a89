#include "app/window/UiScale.h"

#include <QtGlobal>

namespace {
constexpr double kThresholds[UiScale::kStepCount] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                                     3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
// A DPI that is exactly on a threshold (105.6 for 1.1) must count as reaching it, whatever the
// division left in the last bit.
constexpr double kTolerance = 1e-9;
} // namespace

double UiScale::threshold(int iStep)
{
    return kThresholds[qBound(0, iStep, kStepCount - 1)];
}

int UiScale::indexForRatio(double dRatio)
{
    int index = 0;
    for (double t : kThresholds) {
        if (dRatio + kTolerance >= t)
            ++index;
    }
    return index;
}

double UiScale::scaleForIndex(int iIndex)
{
    return 1.0 + kStep * qBound(0, iIndex, kStepCount);
}

double UiScale::fromLogicalDpi(double dDpi, int* iIndex)
{
    const int index = indexForRatio(dDpi / kBaseDpi);
    if (iIndex)
        *iIndex = index;
    return scaleForIndex(index);
}

int UiScale::scaled(int iValue, double dScale)
{
    return qRound(iValue * dScale);
}

QRect UiScale::scaled(const QRect& rect, double dScale)
{
    return QRect(scaled(rect.x(), dScale), scaled(rect.y(), dScale), scaled(rect.width(), dScale),
                 scaled(rect.height(), dScale));
}
