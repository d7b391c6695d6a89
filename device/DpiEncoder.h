#pragma once

#include "model/DpiLevel.h"

// Turns a DPI level's step codes into the five bytes the mouse takes for it: X range flag,
// X value low and high byte, Y value low and high byte. How a step code maps to a range and a
// register value depends on the sensor.
class DpiEncoder
{
public:
    struct Axis
    {
        quint8 flag = 0;
        quint16 value = 0; // only the low byte is used unless the sensor takes 16 bits
    };

    // out receives five bytes. An unknown sensor gives five zero bytes.
    static void encodeLevel(const DpiLevel& level, int iSensor, quint8* out);

    // The X and Y encodings before they are placed (the Y flag is computed but never sent).
    // False for an unknown sensor.
    static bool encodeAxes(const DpiLevel& level, int iSensor, Axis& xAxis, Axis& yAxis);

private:
    static Axis encodeValue(int iSensor, qint64 v);
};
