#include "widgets/SkinImage.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace {
double s_dScale = 1.0;

// A reader that goes straight to the decoder the file's suffix names. Left to guess, the
// toolkit loads every image plugin it has, only to ask each whether it reads the format: a
// dozen milliseconds of a start-up spent on formats the skin never uses.
void nameFormat(QImageReader& reader, const QString& file)
{
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toLatin1();
    if (suffix.isEmpty())
        return;
    reader.setFormat(suffix);
    reader.setAutoDetectImageFormat(false);
}
} // namespace

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

QImage SkinImage::read(const QString& file)
{
    QImageReader reader(file);
    nameFormat(reader, file);
    return reader.read();
}

QPixmap SkinImage::load(const QString& path)
{
    // A face is shared by many controls (one button image by twenty): each file is read and
    // decoded once, and the controls share its pixels. Only the interface thread draws.
    static QHash<QString, QPixmap> loaded;
    const QString file = fileFor(path, s_dScale);
    const auto it = loaded.constFind(file);
    if (it != loaded.cend())
        return *it;
    const QPixmap pixmap = QPixmap::fromImage(read(file));
    loaded.insert(file, pixmap);
    return pixmap;
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
    // The header alone tells the size: no pixels are decoded. Asked once per file.
    static QHash<QString, QSize> sizes;
    const auto it = sizes.constFind(path);
    if (it != sizes.cend())
        return *it;
    QImageReader reader(path);
    nameFormat(reader, path);
    const QSize size = reader.size();
    sizes.insert(path, size);
    return size;
}
