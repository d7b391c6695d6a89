#include "model/KeyTable.h"

#include <atomic>

namespace {

struct KeyName
{
    quint8 code;
    const char* english;
    const char* french; // nullptr: same as the English name
};

// Only codes with a name are listed; every other code of 0..242 has the empty name.
const KeyName kNames[] = {
    {1, "Esc", "Echap"},
    {2, "1", "&"},
    {3, "2", "\xC3\xA9"}, // é
    {4, "3", "\""},
    {5, "4", "'"},
    {6, "5", "("},
    {7, "6", "-"},
    {8, "7", "\xC3\xA8"}, // è
    {9, "8", "_"},
    {10, "9", "\xC3\xA7"}, // ç
    {11, "0", "\xC3\xA0"}, // à
    {12, "-", ")"},
    {13, "=", nullptr},
    {14, "Backspace", "Ret.arr"},
    {15, "Tab", nullptr},
    {16, "Q", "a"},
    {17, "W", "z"},
    {18, "E", "e"},
    {19, "R", "r"},
    {20, "T", "t"},
    {21, "Y", "y"},
    {22, "U", "u"},
    {23, "I", "i"},
    {24, "O", "o"},
    {25, "P", "p"},
    {26, "[", "^"},
    {27, "]", "$"},
    {28, "Enter", "Entree"},
    {29, "LCtr", "LCtrl"},
    {30, "A", "q"},
    {31, "S", "s"},
    {32, "D", "d"},
    {33, "F", "f"},
    {34, "G", "g"},
    {35, "H", "h"},
    {36, "J", "j"},
    {37, "K", "k"},
    {38, "L", "l"},
    {39, ";", "m"},
    {40, "'", "\xC3\xB9"}, // ù
    {41, "`", "\xC2\xB2"}, // ²
    {42, "LShift", nullptr},
    {43, "\\", "*"},
    {44, "Z", "w"},
    {45, "X", "x"},
    {46, "C", "c"},
    {47, "V", "v"},
    {48, "B", "b"},
    {49, "N", "n"},
    {50, "M", ","},
    {51, ",", ";"},
    {52, ".", ":"},
    {53, "/", "!"},
    {54, "RShift", nullptr},
    {55, "Print Screen", nullptr},
    {56, "LAlt", nullptr},
    {57, "Space", "espace"},
    {58, "CapsLock", "Verr.maj"},
    {59, "F1", nullptr},
    {60, "F2", nullptr},
    {61, "F3", nullptr},
    {62, "F4", nullptr},
    {63, "F5", nullptr},
    {64, "F6", nullptr},
    {65, "F7", nullptr},
    {66, "F8", nullptr},
    {67, "F9", nullptr},
    {68, "F10", nullptr},
    {69, "Pause Break", nullptr},
    {70, "Scroll Lock", nullptr},
    {71, "Home", nullptr},
    {72, "Up", nullptr},
    {73, "Page Up", nullptr},
    {74, "Num -", nullptr},
    {75, "Left", nullptr},
    {76, "Num 5", nullptr},
    {77, "Right", nullptr},
    {78, "Num +", nullptr},
    {79, "End", nullptr},
    {80, "Down", nullptr},
    {81, "Page Down", nullptr},
    {82, "Insert", nullptr},
    {83, "Delete", nullptr},
    {87, "F11", nullptr},
    {88, "F12", nullptr},
    {91, "LWindows", nullptr},
    {92, "RWindows", nullptr},
    {93, "App", nullptr},
    {224, "Num De", "Num Del"},
    {225, "Num Lock", nullptr},
    {226, "Num /", nullptr},
    {227, "Num *", nullptr},
    {228, "Num 9", nullptr},
    {229, "Num Enter", nullptr},
    {230, "Num 1", nullptr},
    {231, "Num 2", nullptr},
    {232, "Num 3", nullptr},
    {233, "Num 4", nullptr},
    {234, "Num 6", nullptr},
    {235, "Num 7", nullptr},
    {236, "Num 8", nullptr},
    {237, "Num 0", nullptr},
    {238, "RCtr", "RCtrl"},
    {239, "RAlt", nullptr},
    {240, "Left Button", nullptr},
    {241, "Right Button", nullptr},
    {242, "Middle Button", nullptr},
};

struct UsagePair
{
    quint8 code;
    quint8 usage;
};

// Set-1 make code (with the private codes) to HID keyboard usage.
// clang-format off
const UsagePair kUsages[] = {
    // letters A..Z
    {30, 4}, {48, 5}, {46, 6}, {32, 7}, {18, 8}, {33, 9}, {34, 10}, {35, 11}, {23, 12},
    {36, 13}, {37, 14}, {38, 15}, {50, 16}, {49, 17}, {24, 18}, {25, 19}, {16, 20}, {19, 21},
    {31, 22}, {20, 23}, {22, 24}, {47, 25}, {17, 26}, {45, 27}, {21, 28}, {44, 29},
    // digits 1..9, 0
    {2, 30}, {3, 31}, {4, 32}, {5, 33}, {6, 34}, {7, 35}, {8, 36}, {9, 37}, {10, 38}, {11, 39},
    // main block
    {28, 40}, {1, 41}, {14, 42}, {15, 43}, {57, 44}, {12, 45}, {13, 46}, {26, 47}, {27, 48},
    {43, 49}, {39, 51}, {40, 52}, {41, 53}, {51, 54}, {52, 55}, {53, 56}, {58, 57},
    // F1..F12
    {59, 58}, {60, 59}, {61, 60}, {62, 61}, {63, 62}, {64, 63}, {65, 64}, {66, 65}, {67, 66},
    {68, 67}, {87, 68}, {88, 69},
    // control block
    {55, 70}, {70, 71}, {69, 72}, {82, 73}, {71, 74}, {73, 75}, {83, 76}, {79, 77}, {81, 78},
    {77, 79}, {75, 80}, {80, 81}, {72, 82},
    // keypad
    {225, 83}, {226, 84}, {227, 85}, {74, 86}, {78, 87}, {229, 88}, {230, 89}, {231, 90},
    {232, 91}, {233, 92}, {76, 93}, {234, 94}, {235, 95}, {236, 96}, {228, 97}, {237, 98},
    {224, 99},
    // application
    {93, 101},
    // modifiers
    {42, 225}, {29, 224}, {91, 227}, {56, 226}, {239, 230}, {92, 231}, {238, 228}, {54, 229},
};
// clang-format on

static_assert(sizeof kUsages / sizeof kUsages[0] == KeyTable::kUsagePairCount,
              "the usage table has one pair per convertible key");

// Lookups go through arrays indexed by code and by usage, built once from the lists above.
struct Index
{
    const KeyName* name[KeyTable::kNameCount] = {};
    qint16 usageOf[256];
    qint16 codeOf[256];

    Index()
    {
        for (const KeyName& k : kNames)
            name[k.code] = &k;
        for (int i = 0; i < 256; ++i)
            usageOf[i] = codeOf[i] = -1;
        for (const UsagePair& p : kUsages) {
            usageOf[p.code] = p.usage;
            codeOf[p.usage] = p.code;
        }
    }
};

const Index& index()
{
    static const Index idx;
    return idx;
}

std::atomic<bool>& chosenFrench()
{
    static std::atomic<bool> french{false};
    return french;
}

} // namespace

QString KeyTable::keyName(quint8 code)
{
    return keyName(code, frenchNames());
}

QString KeyTable::keyName(quint8 code, bool french)
{
    if (code >= kNameCount)
        return QString();
    const KeyName* k = index().name[code];
    if (!k)
        return QString();
    return QString::fromUtf8(french && k->french ? k->french : k->english);
}

bool KeyTable::keyCodeToUsage(quint8 code, quint8& usage)
{
    const qint16 u = index().usageOf[code];
    if (u < 0)
        return false;
    usage = quint8(u);
    return true;
}

bool KeyTable::usageToKeyCode(quint8 usage, quint8& code)
{
    const qint16 c = index().codeOf[usage];
    if (c < 0)
        return false;
    code = quint8(c);
    return true;
}

bool KeyTable::useFrenchNames(int frenchSetting, int languageIndex)
{
    return frenchSetting != -1 && frenchSetting == languageIndex;
}

void KeyTable::setFrenchNames(bool french)
{
    chosenFrench().store(french);
}

bool KeyTable::frenchNames()
{
    return chosenFrench().load();
}
