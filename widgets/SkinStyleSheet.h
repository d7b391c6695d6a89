#pragma once

#include <QColor>
#include <QString>

// The one style sheet of the settings pages and their dialogs: labels, sliders, check boxes,
// spin boxes, line edits and menus in the dark skin, with the skin's slider and check box
// images. Set once on a page or dialog; its children take it from there. Every length is in
// unscaled pixels times the UI scale.
class SkinStyleSheet
{
public:
    static QString pages(double dScale, const QColor& accent);
    // The same for a page, with the accent colour of the installation (Config/GColorID).
    static QString pages(double dScale);
};
