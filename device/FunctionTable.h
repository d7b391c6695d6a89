#pragma once

#include <QtGlobal>

// The device's four-byte encoding of each button function code. Codes outside the table give
// an all-zero slot, which the mouse treats as a button that does nothing.
class FunctionTable
{
public:
    // Fills bytes[0..3]; false (and all zero) for a code that is not in the table.
    static bool lookup(int iFun, quint8* bytes);
};
