#include "buttons/ButtonCatalogue.h"

#include "model/FunctionCode.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
using C = ButtonCatalogue;
namespace F = FunctionCode;

const char* const kContext = "ButtonCatalogue";

// Menu order within each menu. The codes have gaps and are not sorted: the switch entry of the
// profile and rate groups is not their lowest code.
const QVector<C::Entry> kEntries = {
    {F::LeftClick, QT_TRANSLATE_NOOP("ButtonCatalogue", "Left"), C::TopMenu, C::Plain, 4},
    {F::RightClick, QT_TRANSLATE_NOOP("ButtonCatalogue", "Right"), C::TopMenu, C::Plain, 5},
    {F::MiddleClick, QT_TRANSLATE_NOOP("ButtonCatalogue", "Middle"), C::TopMenu, C::Plain, 6},
    {F::Forward, QT_TRANSLATE_NOOP("ButtonCatalogue", "Forward"), C::TopMenu, C::Plain, 7},
    {F::Back, QT_TRANSLATE_NOOP("ButtonCatalogue", "Back"), C::TopMenu, C::Plain, 8},
    {F::Cut, QT_TRANSLATE_NOOP("ButtonCatalogue", "Cut"), C::BasicMenu, C::Plain, -1},
    {F::Copy, QT_TRANSLATE_NOOP("ButtonCatalogue", "Copy"), C::BasicMenu, C::Plain, -1},
    {F::Paste, QT_TRANSLATE_NOOP("ButtonCatalogue", "Paste"), C::BasicMenu, C::Plain, -1},
    {F::SelectAll, QT_TRANSLATE_NOOP("ButtonCatalogue", "All"), C::BasicMenu, C::Plain, -1},
    {F::Find, QT_TRANSLATE_NOOP("ButtonCatalogue", "Find"), C::BasicMenu, C::Plain, -1},
    {F::New, QT_TRANSLATE_NOOP("ButtonCatalogue", "New"), C::BasicMenu, C::Plain, -1},
    {F::Print, QT_TRANSLATE_NOOP("ButtonCatalogue", "Print"), C::BasicMenu, C::Plain, -1},
    {F::Save, QT_TRANSLATE_NOOP("ButtonCatalogue", "Save"), C::BasicMenu, C::Plain, -1},
    {F::SwitchWindow, QT_TRANSLATE_NOOP("ButtonCatalogue", "Switch Window"), C::WindowsMenu,
     C::Plain, -1},
    {F::CloseWindow, QT_TRANSLATE_NOOP("ButtonCatalogue", "Close Window"), C::WindowsMenu, C::Plain,
     -1},
    {F::MyComputer, QT_TRANSLATE_NOOP("ButtonCatalogue", "My Computer"), C::WindowsMenu, C::Plain,
     -1},
    {F::Run, QT_TRANSLATE_NOOP("ButtonCatalogue", "Run"), C::WindowsMenu, C::Plain, -1},
    {F::ShowDesktop, QT_TRANSLATE_NOOP("ButtonCatalogue", "Show Desktop"), C::WindowsMenu, C::Plain,
     -1},
    {F::LockPc, QT_TRANSLATE_NOOP("ButtonCatalogue", "Lock PC"), C::WindowsMenu, C::Plain, -1},
    {F::BrowserHome, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Home"), C::WindowsMenu, C::Plain,
     -1},
    {F::BrowserBackward, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Backward"), C::WindowsMenu,
     C::Plain, -1},
    {F::BrowserForward, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Forward"), C::WindowsMenu,
     C::Plain, -1},
    {F::BrowserStop, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Stop"), C::WindowsMenu, C::Plain,
     -1},
    {F::BrowserRefresh, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Refresh"), C::WindowsMenu,
     C::Plain, -1},
    {F::BrowserSearch, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Search"), C::WindowsMenu,
     C::Plain, -1},
    {F::BrowserFavorite, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Favorite"), C::WindowsMenu,
     C::Plain, -1},
    {F::Mail, QT_TRANSLATE_NOOP("ButtonCatalogue", "Mail"), C::WindowsMenu, C::Plain, -1},
    {F::BossKey, QT_TRANSLATE_NOOP("ButtonCatalogue", "Boss Key"), C::WindowsMenu, C::Plain, -1},
    {F::SingleKey, QT_TRANSLATE_NOOP("ButtonCatalogue", "SINGLE KEY"), C::AdvanceMenu, C::SingleKey,
     9},
    {F::ComboKey, QT_TRANSLATE_NOOP("ButtonCatalogue", "COMBO KEY"), C::AdvanceMenu, C::ComboKey,
     10},
    {F::FireKey, QT_TRANSLATE_NOOP("ButtonCatalogue", "FIRE KEY"), C::AdvanceMenu, C::FireKey, -1},
    {F::Sniper, QT_TRANSLATE_NOOP("ButtonCatalogue", "SNIPER"), C::AdvanceMenu, C::Sniper, -1},
    {F::PlayPause, QT_TRANSLATE_NOOP("ButtonCatalogue", "Play/Pause"), C::MediaMenu, C::Plain, -1},
    {F::Stop, QT_TRANSLATE_NOOP("ButtonCatalogue", "Stop"), C::MediaMenu, C::Plain, -1},
    {F::PreviousTrack, QT_TRANSLATE_NOOP("ButtonCatalogue", "Previous Track"), C::MediaMenu,
     C::Plain, -1},
    {F::NextTrack, QT_TRANSLATE_NOOP("ButtonCatalogue", "Next Track"), C::MediaMenu, C::Plain, -1},
    {F::VolumeUp, QT_TRANSLATE_NOOP("ButtonCatalogue", "Volume Up"), C::MediaMenu, C::Plain, 2},
    {F::VolumeDown, QT_TRANSLATE_NOOP("ButtonCatalogue", "Volume Down"), C::MediaMenu, C::Plain, 3},
    {F::Mute, QT_TRANSLATE_NOOP("ButtonCatalogue", "Mute"), C::MediaMenu, C::Plain, -1},
    {F::MediaPlayer, QT_TRANSLATE_NOOP("ButtonCatalogue", "Media Player"), C::MediaMenu, C::Plain,
     -1},
    {F::DpiSwitch, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI Switch"), C::DpiMenu, C::Plain, -1},
    {F::DpiUp, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI +"), C::DpiMenu, C::Plain, -1},
    {F::DpiDown, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI -"), C::DpiMenu, C::Plain, -1},
    {F::ProfileSwitch, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile Switch"), C::ProfileMenu,
     C::Plain, -1},
    {F::ProfileUp, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile +"), C::ProfileMenu, C::Plain, -1},
    {F::ProfileDown, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile -"), C::ProfileMenu, C::Plain,
     -1},
    {F::RateSwitch, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate Switch"), C::RateMenu, C::Plain, -1},
    {F::RateUp, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate +"), C::RateMenu, C::Plain, -1},
    {F::RateDown, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate -"), C::RateMenu, C::Plain, -1},
    {F::Macro, nullptr, C::MacroEntry, C::Macro, -1},
    {F::GunFile, nullptr, C::GunFileEntry, C::GunFile, -1},
    {F::LedSwitch, QT_TRANSLATE_NOOP("ButtonCatalogue", "Led Switch"), C::LedEntry, C::Plain, -1},
    {F::ButtonOff, QT_TRANSLATE_NOOP("ButtonCatalogue", "Button Off"), C::TopMenu, C::Plain, -1},
    {F::ScrollUp, QT_TRANSLATE_NOOP("ButtonCatalogue", "Scroll Up"), C::WheelOnly, C::Plain, 0},
    {F::ScrollDown, QT_TRANSLATE_NOOP("ButtonCatalogue", "Scroll Down"), C::WheelOnly, C::Plain, 1},
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
