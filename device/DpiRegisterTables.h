#pragma once

#include <QtGlobal>

// Register values that some sensors take instead of the raw step code. A step code beyond the
// end of a table (a profile file can hold any number) takes the table's last entry rather than
// reading past it.
class DpiRegisterTables
{
public:
    enum Table
    {
        B, // 3325, 33252
        C, // 3311, 33112
        D, // 3327
        E, // 3333
        F, // 3335, 33352
    };

    static int size(Table table);
    static quint8 at(Table table, int index); // index clamped into 0..size-1
};
