#include "app/window/WindowBackground.h"

#include "widgets/SkinImage.h"

#include <QDebug>
#include <QImageReader>

void WindowBackground::start(const QString& path, const QSize& logicalSize, double pixelRatio)
{
    const QString file = SkinImage::fileFor(path, SkinImage::scale());
    m_Key = BackgroundCache::keyFor(file, logicalSize, pixelRatio);
    // QImage, unlike QPixmap, may be used away from the GUI thread.
    m_Work = std::async(std::launch::async, [file, logicalSize, pixelRatio, key = m_Key] {
        Work work{BackgroundCache::load(key), false};
        if (work.images.picture.isNull()) {
            work.images = make(file, logicalSize, pixelRatio);
            work.bMade = true;
        }
        // The style sheets' images are read by the toolkit, which first loads every image
        // plugin it has to ask each about the format: done here, it costs the first frame
        // nothing.
        QImageReader::supportedImageFormats();
        return work;
    });
}

BackgroundCache::Images WindowBackground::make(const QString& file, const QSize& logicalSize,
                                               double pixelRatio)
{
    QImage image = SkinImage::read(file);
    if (image.isNull())
        return BackgroundCache::Images();
    // Made ready for the screen where it lies: the pixel format a pixmap wants (the smoothing
    // works on it too, and would otherwise copy the picture to get it), so that the GUI thread
    // neither copies nor converts it.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    const auto sized = [&image](const QSize& size) {
        return image.size() == size
                   ? image
                   : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage shape = sized(logicalSize).createAlphaMask();
    QImage picture = sized((QSizeF(logicalSize) * pixelRatio).toSize());
    image = QImage();
    picture.setDevicePixelRatio(pixelRatio);
    return BackgroundCache::Images{picture, shape};
}

bool WindowBackground::finish(QPixmap* picture, QBitmap* shape)
{
    if (!m_Work.valid())
        return false;
    Work work = m_Work.get();
    if (work.images.picture.isNull())
        return false;
    if (work.bMade) {
        m_ToKeep = work.images;
        m_KeyToKeep = m_Key;
    }
    *picture = QPixmap::fromImage(std::move(work.images.picture));
    *shape = QBitmap::fromImage(std::move(work.images.shape));
    return true;
}

void WindowBackground::keep()
{
    if (m_ToKeep.picture.isNull())
        return;
    if (m_Keeping.valid())
        m_Keeping.wait();
    // The images share their pixels with the window's pixmaps, which nothing draws into.
    m_Keeping = std::async(std::launch::async, [images = m_ToKeep, key = m_KeyToKeep] {
        if (!BackgroundCache::store(key, images))
            qDebug("window background: cannot keep it in %s", qPrintable(BackgroundCache::path()));
    });
    m_ToKeep = BackgroundCache::Images();
}

WindowBackground::~WindowBackground()
{
    if (m_Keeping.valid())
        m_Keeping.wait();
}
