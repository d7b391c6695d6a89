#pragma once

#include <QString>

// What a DPI row offers for one sensor: the DPI shown at the two ends of the slider, the step
// codes the slider runs through and whether X and Y may be linked. The steps are what the mouse
// takes; the labels are the sensor's nominal range, which need not be the DPI of the end steps.
struct DpiSensorRange
{
    int iMinLabel = 0;
    int iMaxLabel = 0;
    int iMinStep = 0;
    int iMaxStep = 0;
    bool bLinkOffered = false;

    // The range for sensor `iSensor` of the model `product`; `iWideRange` is the description's
    // wide-range flag (1 widens sensors 3325 and 33252). False for a sensor without a range of
    // its own, whose rows stay as built.
    static bool find(int iSensor, const QString& product, int iWideRange, DpiSensorRange* out);
};
