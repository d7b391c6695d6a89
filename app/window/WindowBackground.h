#pragma once

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>

// The window's skin picture and the shape cut from it. Reading, smoothing to the screen's pixels
// and masking it is the largest single piece of the start, and needs nothing else: it runs on a
// worker thread while the rest of the window is built.
class WindowBackground
{
public:
    // Starts reading `path` (the skin's variant for the image scale) for a window of
    // `logicalSize` on a screen of `pixelRatio`.
    void start(const QString& path, const QSize& logicalSize, double pixelRatio);
    // Waits for the work started last; false when the picture could not be read.
    bool finish(QPixmap* picture, QBitmap* shape);

private:
    struct Images
    {
        QImage picture; // in device pixels
        QImage shape;   // in logical pixels
    };
    std::future<Images> m_Work;
};
