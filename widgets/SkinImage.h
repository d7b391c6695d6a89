#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Skin images for the UI scale in use. The skin is rendered twice: at its own size and at twice
// that size under Qt's name for it ("name@2x.png"). From a UI scale of 1.5 up the larger image
// is drawn from, so that scaling it to the window's size sharpens it rather than blurs it.
// Callers lay images out by their nominal size, that of the image at its own size.
class SkinImage
{
public:
    static constexpr double kDoubleFrom = 1.5;

    // The UI scale of the program's windows; 1.0 until the main window sets it.
    static void setScale(double dScale);
    static double scale();

    // The file to draw `path` from at `dScale`: its "@2x" sibling when the scale calls for it
    // and the file exists, else `path` itself.
    static QString fileFor(const QString& path, double dScale);
    static QPixmap load(const QString& path);
    // The image in `file` (no "@2x" choice), decoded by the reader its suffix names. Unlike
    // load(), usable away from the interface thread.
    static QImage read(const QString& file);
    // `image` smoothly scaled to cover `logicalSize` on a screen of `dPixelRatio` device pixels
    // per logical pixel, so that it is drawn pixel for pixel.
    static QPixmap scaledTo(const QPixmap& image, const QSize& logicalSize, double dPixelRatio);
    // The size of the image at `path` itself (not its larger sibling); empty when unreadable.
    static QSize nominalSize(const QString& path);
};
