#pragma once

#include "model/MouseConfig.h"

// The process-wide records: the live configuration the pages edit, the snapshot of what was last
// written to the mouse, the copy the device layer encodes from, and the button matrix.
class GlobalRecords
{
public:
    static constexpr int kMatrixSize = 16;

    static MouseConfig& live();
    static MouseConfig& snapshot();
    static MouseConfig& deviceCopy();
    static quint8* buttonMatrix(); // kMatrixSize bytes: device slot of each button
};
