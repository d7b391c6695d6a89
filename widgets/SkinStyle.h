#pragma once

#include <QColor>
#include <QString>

// The one source of the style sheet rules that give the toolkit's own pop-ups (menus, tool tips)
// the skin's dark look: the language menu, the tray menu and every menu of the pages. Installed
// once for the whole application, so that a menu made anywhere looks the same.
class SkinStyle
{
public:
    static QString popupSheet(const QColor& accent);
    // Adds the pop-up rules to the application's style sheet (replacing an earlier install).
    static void install(const QColor& accent);
};
