#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>

// Encodes an endlessly looping animation as GIF89a. GIF knows only fully transparent or opaque
// pixels, so every frame is first laid onto a matte colour (the colour of whatever shows through
// behind it); pixels the frame does not touch at all stay transparent.
class GifWriter
{
public:
    GifWriter(const QColor& matte, int delayMs);

    void addFrame(const QImage& frame);
    // The frames exactly as a decoder will show them after encode().
    QVector<QImage> expectedFrames() const;
    QByteArray encode();

private:
    void buildPalette();
    int nearestIndex(QRgb colour) const;
    static QByteArray lzw(const QByteArray& indices);

    QColor m_Matte;
    int m_iDelayMs;
    QVector<QImage> m_Frames; // ARGB32: alpha either 0 or 255
    QVector<QRgb> m_Palette;  // at most 255 colours; index 255 is transparent
    QVector<QByteArray> m_Indexed;
};
