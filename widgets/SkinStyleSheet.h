#pragma once

#include <QColor>
#include <QString>

// The one source of the tool's style sheets in the dark skin. pages(): labels, sliders, radio
// buttons, check boxes, spin boxes and line edits of the settings pages and their dialogs, with
// the skin's slider and check box images, set once on a page or dialog (its children take it
// from there); every length in unscaled pixels times the UI scale. lists(): the list, tree,
// header, scroll bar and combo box rules the macro page and its dialogs add to pages().
// dialogs(): the small capture and selection dialogs, whose labels take a "role" property
// ("title", "keyField", "note"). menus(): menus sized by the UI scale. popups(): menus and tool
// tips, installed once for the whole application so that a menu made anywhere looks the same.
class SkinStyleSheet
{
public:
    static QString pages(double dScale, const QColor& accent);
    // The same with the accent colour of the installation.
    static QString pages(double dScale);
    // The accent colour the installation names (Config/GColorID).
    static QColor accent();

    static QString lists(double dScale, const QColor& accent);
    static QString lists(double dScale);
    static QString dialogs(double dScale, const QColor& accent);
    static QString dialogs(double dScale);
    static QString menus(double dScale, const QColor& accent);
    // Qt's own file dialog in the skin: the rules of pages() and lists() for every view, button,
    // field and list it is built from, with the type size of the UI scale.
    static QString fileDialogs(double dScale);

    static QString popups(const QColor& accent);
    // Adds the pop-up rules to the application's style sheet (replacing an earlier install) and
    // watches the keyboard focus for the focus rings (KeyboardFocusMark).
    static void installPopups(const QColor& accent);
};
