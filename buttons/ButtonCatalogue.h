#pragma once

#include <QString>
#include <QVector>

// Every function a mouse button can carry: its code, its label and where the button menus offer
// it. This one table feeds the menus, the button labels and what a pick writes.
class ButtonCatalogue
{
public:
    // Where an entry is offered. Hidden menus are built but never placed in the button menu.
    enum Menu
    {
        TopMenu,
        BasicMenu,
        WindowsMenu,
        AdvanceMenu,
        MediaMenu,
        DpiMenu,
        ProfileMenu, // hidden
        RateMenu,
        MacroEntry,   // top level, left out when the model disables macros
        GunFileEntry, // hidden
        LedEntry,     // top level, left out when the model has no lighting
        WheelOnly     // only in the wheel menu
    };
    // What a pick writes besides the code.
    enum Kind
    {
        Plain,
        SingleKey,
        ComboKey,
        FireKey,
        Sniper,
        Macro,
        GunFile
    };
    struct Entry
    {
        int iCode;
        const char* label; // translation key in the "ButtonCatalogue" context; null: macro name
        Menu menu;
        Kind kind;
        int iWheelOrder; // place in the wheel menu, -1 when not offered there
    };

    // In the order the menus list them.
    static const QVector<Entry>& entries();
    static const Entry* find(int iCode);
    // The entries of one menu, in menu order.
    static QVector<Entry> menuEntries(Menu menu);
    // The wheel menu's entries, in its order.
    static QVector<Entry> wheelEntries();
    // Title of a submenu ("Basic", ...); empty for the entries that stand at the top level.
    static QString menuTitle(Menu menu);
    // Label of a code in the current language; empty for an unknown code, for the macro codes
    // (their label is the macro's name) and for the wheel-only codes outside the wheel.
    static QString label(int iCode, bool bWheel);
};
