#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// Turns one skin SVG into pixels. The sources paint every accent-coloured part with the marker
// colour #ff0000, so a different accent is a plain colour swap; optional layers are written as
// id="name" display="none" and revealed by name.
class SvgRasterizer
{
public:
    static const char* accentMarker() { return "#ff0000"; }

    // Reads the file and applies the accent; false with error() when it cannot be read.
    bool load(const QString& path, const QString& accent);
    // Reveals the named layers and renders at the given size, rotated about the centre.
    // A null image and error() when a layer is missing or the SVG does not parse.
    QImage render(const QSize& size, const QStringList& show, double rotateDegrees = 0) const;
    QString error() const { return m_strError; }

private:
    QByteArray m_Source;
    QString m_strPath;
    mutable QString m_strError;
};
