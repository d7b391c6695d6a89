#include "app/window/WindowBackground.h"

#include "widgets/SkinImage.h"

void WindowBackground::start(const QString& path, const QSize& logicalSize, double pixelRatio)
{
    const QString file = SkinImage::fileFor(path, SkinImage::scale());
    // QImage, unlike QPixmap, may be used away from the GUI thread.
    m_Work = std::async(std::launch::async, [file, logicalSize, pixelRatio] {
        const QImage image(file);
        if (image.isNull())
            return Images();
        const QSize device = (QSizeF(logicalSize) * pixelRatio).toSize();
        const auto sized = [&image](const QSize& size) {
            return image.size() == size
                       ? image
                       : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        // Made ready for the screen here: the pixel ratio and the pixel format a pixmap wants,
        // so that the GUI thread neither copies nor converts the picture.
        QImage picture = sized(device).convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        picture.setDevicePixelRatio(pixelRatio);
        return Images{picture, sized(logicalSize).createAlphaMask()};
    });
}

bool WindowBackground::finish(QPixmap* picture, QBitmap* shape)
{
    if (!m_Work.valid())
        return false;
    Images images = m_Work.get();
    if (images.picture.isNull())
        return false;
    *picture = QPixmap::fromImage(std::move(images.picture));
    *shape = QBitmap::fromImage(std::move(images.shape));
    return true;
}
