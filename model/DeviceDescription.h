#pragma once

#include "model/FactoryProfile.h"

#include <QString>
#include <QtGlobal>

// The model description that lies beside the executable (DefaultProfile.bin, INI text, group
// PROFILE). Nothing is cached: every accessor opens the file afresh, so an edited file is seen by
// the next read. A missing key, or one whose value is not a number, gives the default of that key.
// A file that is not INI text (binary, oversized, unclosed section lines) counts as missing.
class DeviceDescription
{
public:
    static constexpr int kMatrixSize = 16;
    static constexpr int kMaxButtons = 16;
    static constexpr int kMaxDpiLevels = 8;
    static constexpr int kSensorDefaultCount = 7;
    // Order of the values readSensorDefaults() fills.
    enum SensorDefault
    {
        Lift,
        Angle,
        ButtonDelay,
        Jitter,
        Wake,
        SensorMode,
        Sync
    };

    static bool exists(); // present and readable as INI text
    static QString productName();
    static QString version();

    // The file never stores the counts themselves, only operands whose XOR gives them.
    static int buttonCount();   // ButtonCount ^ MouseDpi, within 0..16
    static int dpiLevelCount(); // ButtonCount ^ MouseDpi ^ DPICount, within 0..8

    // Each returns -1 and leaves its output untouched when the file does not exist.
    static int readButtonMatrix(quint8* out16);         // 0 on success
    static int readButtonDisplayMatrix(quint8* out16);  // the button count on success
    static int readSensorDefaults(quint8* out7);        // 0 on success, order of SensorDefault
    static int readFactoryProfile(FactoryProfile& out); // 0 on success

    // Feature switches.
    static int disableMacro();    // 0
    static int showSleep();       // 1
    static int sleepMin();        // 1
    static int sleepMax();        // 9
    static int scrollRev();       // 0
    static int minDelay();        // 1; never below 1, it divides macro delays
    static int wideRange33254();  // 0 (key "33254")
    static int colorMode();       // 0
    static int ledDisable();      // 0
    static int syncMode();        // 0
    static int french();          // -1
    static int showMouseButton(); // 1
    static int closeWindow();     // 0
};
