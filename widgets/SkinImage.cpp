#include "widgets/SkinImage.h"

#include <QFileInfo>
#include <QImageReader>

namespace {
double s_dScale = 1.0;
}

void SkinImage::setScale(double dScale)
{
    s_dScale = dScale > 0 ? dScale : 1.0;
}

double SkinImage::scale()
{
    return s_dScale;
}

QString SkinImage::fileFor(const QString& path, double dScale)
{
    if (dScale < kDoubleFrom)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return path;
    const QString doubled = info.path() + "/" + info.completeBaseName() + "@2x." + suffix;
    return QFileInfo::exists(doubled) ? doubled : path;
}

QPixmap SkinImage::load(const QString& path)
{
    return QPixmap(fileFor(path, s_dScale));
}

QPixmap SkinImage::scaledTo(const QPixmap& image, const QSize& logicalSize, double dPixelRatio)
{
    const QSize target = (QSizeF(logicalSize) * dPixelRatio).toSize();
    QPixmap scaled = image.size() == target
                         ? image
                         : image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dPixelRatio);
    return scaled;
}

QSize SkinImage::nominalSize(const QString& path)
{
    // The header alone tells the size: no pixels are decoded.
    return QImageReader(path).size();
}
