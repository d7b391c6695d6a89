#pragma once

#include "app/window/BackgroundCache.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>

// The window's skin picture and the shape cut from it. Reading, smoothing to the screen's pixels
// and masking it is the largest single piece of the start, and needs nothing else: it runs on a
// worker thread while the rest of the window is built, and what it makes is kept for the next
// start (BackgroundCache).
class WindowBackground
{
public:
    // Starts reading `path` (the skin's variant for the image scale) for a window of
    // `logicalSize` on a screen of `pixelRatio`.
    void start(const QString& path, const QSize& logicalSize, double pixelRatio);
    // Waits for the work started last; false when the picture could not be read.
    bool finish(QPixmap* picture, QBitmap* shape);
    // Keeps what finish() took, if it was made rather than read from the cache, on a thread of
    // its own (the file is written through to the disk).
    void keep();
    // Waits for the keeping.
    ~WindowBackground();

private:
    struct Work
    {
        BackgroundCache::Images images;
        bool bMade = false; // not read from the cache
    };
    static BackgroundCache::Images make(const QString& file, const QSize& logicalSize,
                                        double pixelRatio);

    std::future<Work> m_Work;
    QString m_Key;
    BackgroundCache::Images m_ToKeep;
    QString m_KeyToKeep;
    std::future<void> m_Keeping;
};
