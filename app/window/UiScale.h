#pragma once

#include <QRect>

// The factor by which every geometry and font size of the interface is multiplied. It grows in
// quarter steps with the screen's logical DPI, so that a window drawn for 96 DPI keeps its
// proportions on denser screens.
class UiScale
{
public:
    static constexpr double kBaseDpi = 96.0;
    static constexpr int kStepCount = 16;
    static constexpr double kStep = 0.25;

    // The ratio each further quarter step needs to reach.
    static double threshold(int iStep); // iStep 0..kStepCount-1

    // Number of thresholds the ratio reaches, 0..16.
    static int indexForRatio(double dRatio);
    static double scaleForIndex(int iIndex); // 1.0 + 0.25 × index
    // `iIndex` (may be null) receives the step.
    static double fromLogicalDpi(double dDpi, int* iIndex = nullptr);

    static int scaled(int iValue, double dScale);
    static QRect scaled(const QRect& rect, double dScale);
};
