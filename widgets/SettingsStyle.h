#pragma once

#include <QColor>
#include <QString>

// The one look of the settings pages' sliders, radio buttons, check boxes and spin boxes, in the
// skin's dark colours with the accent colour for what is on. Every size is multiplied by the UI
// scale.
class SettingsStyle
{
public:
    static QString sheet(double dScale, const QColor& accent);
    // The accent colour the installation names (Config/GColorID).
    static QColor accent();
};
