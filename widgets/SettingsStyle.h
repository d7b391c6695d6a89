#pragma once

#include <QColor>
#include <QString>

// The one look of the settings pages' sliders, radio buttons, check boxes and spin boxes, in the
// skin's dark colours with the accent colour for what is on. Every size is multiplied by the UI
// scale. Labels are left to the palette, so that a page can colour a row by its palette alone.
class SettingsStyle
{
public:
    static QString sheet(double dScale, const QColor& accent);
    // The accent colour the installation names (Config/GColorID).
    static QColor accent();
    // Text colour of labels that are not highlighted.
    static QColor textColour();
};
