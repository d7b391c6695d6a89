#include "app/window/WindowBackground.h"

#include "widgets/SkinImage.h"

void WindowBackground::start(const QString& path, const QSize& logicalSize, double pixelRatio)
{
    m_dPixelRatio = pixelRatio;
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
        return Images{sized(device), sized(logicalSize).createAlphaMask()};
    });
}

bool WindowBackground::finish(QPixmap* picture, QBitmap* shape)
{
    if (!m_Work.valid())
        return false;
    const Images images = m_Work.get();
    if (images.picture.isNull())
        return false;
    *picture = QPixmap::fromImage(images.picture);
    picture->setDevicePixelRatio(m_dPixelRatio);
    *shape = QBitmap::fromImage(images.shape);
    return true;
}
