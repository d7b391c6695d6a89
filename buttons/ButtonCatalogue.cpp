#include "buttons/ButtonCatalogue.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
using C = ButtonCatalogue;

const char* const kContext = "ButtonCatalogue";

// Menu order within each menu. The codes have gaps and are not sorted: the switch entry of the
// profile and rate groups is not their lowest code.
const QVector<C::Entry> kEntries = {
    {1, QT_TRANSLATE_NOOP("ButtonCatalogue", "Left"), C::TopMenu, C::Plain, 4},
    {2, QT_TRANSLATE_NOOP("ButtonCatalogue", "Right"), C::TopMenu, C::Plain, 5},
    {3, QT_TRANSLATE_NOOP("ButtonCatalogue", "Middle"), C::TopMenu, C::Plain, 6},
    {4, QT_TRANSLATE_NOOP("ButtonCatalogue", "Forward"), C::TopMenu, C::Plain, 7},
    {5, QT_TRANSLATE_NOOP("ButtonCatalogue", "Back"), C::TopMenu, C::Plain, 8},
    {17, QT_TRANSLATE_NOOP("ButtonCatalogue", "Cut"), C::BasicMenu, C::Plain, -1},
    {18, QT_TRANSLATE_NOOP("ButtonCatalogue", "Copy"), C::BasicMenu, C::Plain, -1},
    {19, QT_TRANSLATE_NOOP("ButtonCatalogue", "Paste"), C::BasicMenu, C::Plain, -1},
    {20, QT_TRANSLATE_NOOP("ButtonCatalogue", "All"), C::BasicMenu, C::Plain, -1},
    {21, QT_TRANSLATE_NOOP("ButtonCatalogue", "Find"), C::BasicMenu, C::Plain, -1},
    {22, QT_TRANSLATE_NOOP("ButtonCatalogue", "New"), C::BasicMenu, C::Plain, -1},
    {23, QT_TRANSLATE_NOOP("ButtonCatalogue", "Print"), C::BasicMenu, C::Plain, -1},
    {24, QT_TRANSLATE_NOOP("ButtonCatalogue", "Save"), C::BasicMenu, C::Plain, -1},
    {25, QT_TRANSLATE_NOOP("ButtonCatalogue", "Switch Window"), C::WindowsMenu, C::Plain, -1},
    {26, QT_TRANSLATE_NOOP("ButtonCatalogue", "Close Window"), C::WindowsMenu, C::Plain, -1},
    {27, QT_TRANSLATE_NOOP("ButtonCatalogue", "My Computer"), C::WindowsMenu, C::Plain, -1},
    {28, QT_TRANSLATE_NOOP("ButtonCatalogue", "Run"), C::WindowsMenu, C::Plain, -1},
    {29, QT_TRANSLATE_NOOP("ButtonCatalogue", "Show Desktop"), C::WindowsMenu, C::Plain, -1},
    {30, QT_TRANSLATE_NOOP("ButtonCatalogue", "Lock PC"), C::WindowsMenu, C::Plain, -1},
    {31, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Home"), C::WindowsMenu, C::Plain, -1},
    {32, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Backward"), C::WindowsMenu, C::Plain, -1},
    {33, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Forward"), C::WindowsMenu, C::Plain, -1},
    {34, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Stop"), C::WindowsMenu, C::Plain, -1},
    {35, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Refresh"), C::WindowsMenu, C::Plain, -1},
    {36, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Search"), C::WindowsMenu, C::Plain, -1},
    {37, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Favorite"), C::WindowsMenu, C::Plain, -1},
    {38, QT_TRANSLATE_NOOP("ButtonCatalogue", "Mail"), C::WindowsMenu, C::Plain, -1},
    {62, QT_TRANSLATE_NOOP("ButtonCatalogue", "Boss Key"), C::WindowsMenu, C::Plain, -1},
    {6, QT_TRANSLATE_NOOP("ButtonCatalogue", "SINGLE KEY"), C::AdvanceMenu, C::SingleKey, 9},
    {7, QT_TRANSLATE_NOOP("ButtonCatalogue", "COMBO KEY"), C::AdvanceMenu, C::ComboKey, 10},
    {12, QT_TRANSLATE_NOOP("ButtonCatalogue", "FIRE KEY"), C::AdvanceMenu, C::FireKey, -1},
    {55, QT_TRANSLATE_NOOP("ButtonCatalogue", "SNIPER"), C::AdvanceMenu, C::Sniper, -1},
    {39, QT_TRANSLATE_NOOP("ButtonCatalogue", "Play/Pause"), C::MediaMenu, C::Plain, -1},
    {40, QT_TRANSLATE_NOOP("ButtonCatalogue", "Stop"), C::MediaMenu, C::Plain, -1},
    {41, QT_TRANSLATE_NOOP("ButtonCatalogue", "Previous Track"), C::MediaMenu, C::Plain, -1},
    {42, QT_TRANSLATE_NOOP("ButtonCatalogue", "Next Track"), C::MediaMenu, C::Plain, -1},
    {43, QT_TRANSLATE_NOOP("ButtonCatalogue", "Volume Up"), C::MediaMenu, C::Plain, 2},
    {44, QT_TRANSLATE_NOOP("ButtonCatalogue", "Volume Down"), C::MediaMenu, C::Plain, 3},
    {45, QT_TRANSLATE_NOOP("ButtonCatalogue", "Mute"), C::MediaMenu, C::Plain, -1},
    {46, QT_TRANSLATE_NOOP("ButtonCatalogue", "Media Player"), C::MediaMenu, C::Plain, -1},
    {47, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI Switch"), C::DpiMenu, C::Plain, -1},
    {48, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI +"), C::DpiMenu, C::Plain, -1},
    {49, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI -"), C::DpiMenu, C::Plain, -1},
    {59, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile Switch"), C::ProfileMenu, C::Plain, -1},
    {57, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile +"), C::ProfileMenu, C::Plain, -1},
    {58, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile -"), C::ProfileMenu, C::Plain, -1},
    {63, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate Switch"), C::RateMenu, C::Plain, -1},
    {50, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate +"), C::RateMenu, C::Plain, -1},
    {51, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate -"), C::RateMenu, C::Plain, -1},
    {200, nullptr, C::MacroEntry, C::Macro, -1},
    {510, nullptr, C::GunFileEntry, C::GunFile, -1},
    {54, QT_TRANSLATE_NOOP("ButtonCatalogue", "Led Switch"), C::LedEntry, C::Plain, -1},
    {16, QT_TRANSLATE_NOOP("ButtonCatalogue", "Button Off"), C::TopMenu, C::Plain, -1},
    {52, QT_TRANSLATE_NOOP("ButtonCatalogue", "Scroll Up"), C::WheelOnly, C::Plain, 0},
    {53, QT_TRANSLATE_NOOP("ButtonCatalogue", "Scroll Down"), C::WheelOnly, C::Plain, 1},
};

const char* const kMenuTitles[] = {
    nullptr,
    QT_TRANSLATE_NOOP("ButtonCatalogue", "Basic"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "Windows"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "Advance"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "Media"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile Menu"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "Polling Rate"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "Macro Manager"),
    QT_TRANSLATE_NOOP("ButtonCatalogue", "GunFile Manager"),
    nullptr,
    nullptr,
};
} // namespace

const QVector<ButtonCatalogue::Entry>& ButtonCatalogue::entries()
{
    return kEntries;
}

const ButtonCatalogue::Entry* ButtonCatalogue::find(int iCode)
{
    for (const Entry& entry : kEntries) {
        if (entry.iCode == iCode)
            return &entry;
    }
    return nullptr;
}

QVector<ButtonCatalogue::Entry> ButtonCatalogue::menuEntries(Menu menu)
{
    QVector<Entry> found;
    for (const Entry& entry : kEntries) {
        if (entry.menu == menu)
            found.append(entry);
    }
    return found;
}

QVector<ButtonCatalogue::Entry> ButtonCatalogue::wheelEntries()
{
    QVector<Entry> found;
    for (int order = 0;; ++order) {
        const auto it = std::find_if(kEntries.begin(), kEntries.end(),
                                     [order](const Entry& e) { return e.iWheelOrder == order; });
        if (it == kEntries.end())
            return found;
        found.append(*it);
    }
}

QString ButtonCatalogue::menuTitle(Menu menu)
{
    const char* title = kMenuTitles[menu];
    return title ? QCoreApplication::translate(kContext, title) : QString();
}

QString ButtonCatalogue::label(int iCode, bool bWheel)
{
    const Entry* entry = find(iCode);
    if (!entry || !entry->label)
        return QString();
    if (entry->menu == WheelOnly && !bWheel)
        return QString();
    return QCoreApplication::translate(kContext, entry->label);
}
