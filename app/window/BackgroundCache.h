#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The window's skin picture as the screen takes it (smoothed to its pixels, in a pixmap's
// format) and the shape cut from it, kept in the user's cache folder between starts: reading
// and smoothing the skin file costs a start some 15 ms of processor time while the window is
// built, reading the kept pixels back about one. One file, for the last size and screen the
// window was drawn for; a file that does not match, or is damaged, is made anew.
class BackgroundCache
{
public:
    struct Images
    {
        QImage picture; // in device pixels
        QImage shape;   // in logical pixels
    };

    // What tells the kept pictures apart: the skin file (path, size, time), the window's size
    // and the screen's pixels per logical pixel.
    static QString keyFor(const QString& file, const QSize& logicalSize, double pixelRatio);
    // The pictures kept for `key`; null ones when there are none.
    static Images load(const QString& key);
    // Keeps `images` for `key` in place of what was kept; false when that could not be written
    // (nothing is lost: the next start makes them again).
    static bool store(const QString& key, const Images& images);
    static QString path();
};
