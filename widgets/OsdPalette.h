#pragma once

#include <QColor>

// The colours of an announcement on screen: a dark, slightly see-through panel, a frame in the
// accent colour the tool sent, and the text in that accent made light enough to read on the
// panel whatever shows through it.
class OsdPalette
{
public:
    static QColor panel();
    // The panel as it looks over `behind`, the desktop under it.
    static QColor panelOver(const QColor& behind);
    static QColor frame(const QColor& accent) { return accent; }
    // The accent itself when it reads at ColourContrast::kReadable on the panel over a white
    // desktop (the lightest it can look), otherwise the accent mixed with white until it does.
    static QColor text(const QColor& accent);
};
