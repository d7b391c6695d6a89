#include "device/FunctionTable.h"

#include <cstring>
#include <iterator>

namespace {
struct Row
{
    int code;
    quint8 bytes[4];
};

// Searched in order. Keyboard rows carry a modifier mask and a keyboard-page usage; consumer
// rows carry a consumer-page usage low byte first.
const Row kRows[] = {
    {1, {0x81, 0, 0, 0}},        {2, {0x82, 0, 0, 0}},        {3, {0x83, 0, 0, 0}},
    {4, {0x85, 0, 0, 0}},        {5, {0x84, 0, 0, 0}},        {13, {0x30, 0, 0, 0}},
    {49, {0x89, 0, 0, 0}},       {48, {0x8A, 0, 0, 0}},       {52, {0x8B, 0, 0, 0}},
    {53, {0x8C, 0, 0, 0}},       {17, {0x8F, 1, 0x1B, 0}}, // Ctrl+X
    {18, {0x8F, 1, 0x06, 0}},                              // Ctrl+C
    {19, {0x8F, 1, 0x19, 0}},                              // Ctrl+V
    {20, {0x8F, 1, 0x04, 0}},                              // Ctrl+A
    {21, {0x8F, 1, 0x09, 0}},                              // Ctrl+F
    {22, {0x8F, 1, 0x11, 0}},                              // Ctrl+N
    {23, {0x8F, 1, 0x13, 0}},                              // Ctrl+P
    {24, {0x8F, 1, 0x16, 0}},                              // Ctrl+S
    {25, {0x8F, 4, 0x2B, 0}},                              // Alt+Tab
    {26, {0x8F, 4, 0x3D, 0}},                              // Alt+F4
    {27, {0x8F, 8, 0x08, 0}},                              // Win+E
    {28, {0x8F, 8, 0x15, 0}},                              // Win+R
    {29, {0x8F, 8, 0x07, 0}},                              // Win+D
    {62, {0x8F, 8, 0x10, 0}},                              // Win+M
    {30, {0x8F, 8, 0x0F, 0}},                              // Win+L
    {31, {0x8E, 1, 0x23, 0x02}}, {32, {0x8E, 1, 0x24, 0x02}}, {33, {0x8E, 1, 0x25, 0x02}},
    {34, {0x8E, 1, 0x26, 0x02}}, {35, {0x8E, 1, 0x27, 0x02}}, {36, {0x8E, 1, 0x21, 0x02}},
    {37, {0x8E, 1, 0x2A, 0x02}}, {38, {0x8E, 1, 0x8A, 0x01}}, {40, {0x8E, 1, 0xB7, 0x00}},
    {39, {0x8E, 1, 0xCD, 0x00}}, {41, {0x8E, 1, 0xB6, 0x00}}, {42, {0x8E, 1, 0xB5, 0x00}},
    {43, {0x8E, 1, 0xE9, 0x00}}, {44, {0x8E, 1, 0xEA, 0x00}}, {45, {0x8E, 1, 0xE2, 0x00}},
    {46, {0x8E, 1, 0x83, 0x01}}, {6, {0x90, 0, 0, 0}},        {200, {0x91, 0, 0, 0}},
    {510, {0x9D, 0, 0, 0}},      {12, {0x99, 0, 0, 0}},       {16, {0x00, 0, 0, 0}},
    {47, {0x88, 0, 0, 0}},       {63, {0x94, 1, 0, 0}},       {50, {0x94, 0, 0, 0}},
    {51, {0x95, 0, 0, 0}},       {59, {0x8D, 0, 0, 0}},       {57, {0x94, 0, 0, 0}},
    {58, {0x95, 0, 0, 0}},       {7, {0x8F, 0, 0, 0}},        {54, {0x9B, 8, 0, 0}},
    {55, {0x96, 1, 1, 1}},       {60, {0x9F, 0, 0, 0}},       {61, {0xA0, 0, 0, 0}},
    {64, {0x9B, 0, 0, 0}},
};
} // namespace

int FunctionTable::rowCount()
{
    return int(std::size(kRows));
}

bool FunctionTable::lookup(int iFun, quint8* bytes)
{
    for (const Row& row : kRows) {
        if (row.code == iFun) {
            std::memcpy(bytes, row.bytes, 4);
            return true;
        }
    }
    std::memset(bytes, 0, 4);
    return false;
}
