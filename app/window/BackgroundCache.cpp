#include "app/window/BackgroundCache.h"

#include "model/AppPaths.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const quint32 kMagic = 0x6d636267; // "mcbg"
const quint32 kVersion = 1;

bool formatKept(QImage::Format format)
{
    return format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_RGB32 ||
           format == QImage::Format_MonoLSB;
}

void writeHeader(QDataStream& out, const QImage& image)
{
    out << qint32(image.width()) << qint32(image.height()) << qint32(image.format())
        << qint32(image.bytesPerLine()) << image.devicePixelRatio() << image.colorTable();
}

// An image of the header's size and format with its pixels still to be read; null when the
// header cannot be one this file wrote.
QImage readHeader(QDataStream& in)
{
    qint32 width = 0;
    qint32 height = 0;
    qint32 format = 0;
    qint32 bytesPerLine = 0;
    double ratio = 0;
    QVector<QRgb> colours;
    in >> width >> height >> format >> bytesPerLine >> ratio >> colours;
    if (in.status() != QDataStream::Ok || width <= 0 || height <= 0 || width > 16384 ||
        height > 16384 || !formatKept(QImage::Format(format)) || !(ratio > 0 && ratio <= 16))
        return QImage();
    QImage image(width, height, QImage::Format(format));
    if (image.isNull() || image.bytesPerLine() != bytesPerLine)
        return QImage();
    image.setColorTable(colours);
    image.setDevicePixelRatio(ratio);
    return image;
}
} // namespace

QString BackgroundCache::path()
{
    return AppPaths::cacheDir() + "/window-background.bin";
}

QString BackgroundCache::keyFor(const QString& file, const QSize& logicalSize, double pixelRatio)
{
    const QFileInfo info(file);
    return QStringLiteral("%1|%2|%3|%4x%5|%6")
        .arg(info.absoluteFilePath())
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(logicalSize.width())
        .arg(logicalSize.height())
        .arg(pixelRatio, 0, 'g', 17);
}

BackgroundCache::Images BackgroundCache::load(const QString& key)
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return Images();
    QDataStream in(&file);
    quint32 magic = 0;
    quint32 version = 0;
    QString keptKey;
    in >> magic >> version;
    if (magic != kMagic || version != kVersion)
        return Images();
    in >> keptKey;
    if (in.status() != QDataStream::Ok || keptKey != key)
        return Images();
    QImage picture = readHeader(in);
    QImage shape = readHeader(in);
    if (picture.isNull() || shape.isNull() || shape.format() != QImage::Format_MonoLSB ||
        file.pos() + picture.sizeInBytes() + shape.sizeInBytes() != file.size())
        return Images();
    // The pixels follow the headers as they lie in memory.
    for (QImage* image : {&picture, &shape}) {
        const qint64 bytes = image->sizeInBytes();
        if (file.read(reinterpret_cast<char*>(image->bits()), bytes) != bytes)
            return Images();
    }
    return Images{picture, shape};
}

bool BackgroundCache::store(const QString& key, const Images& images)
{
    if (images.picture.isNull() || !formatKept(images.picture.format()) ||
        images.shape.format() != QImage::Format_MonoLSB || !QDir().mkpath(AppPaths::cacheDir()))
        return false;
    // Written aside and renamed: a start meanwhile reads the old file whole, or none.
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QDataStream out(&file);
        out << kMagic << kVersion << key;
        writeHeader(out, images.picture);
        writeHeader(out, images.shape);
    }
    for (const QImage* image : {&images.picture, &images.shape})
        file.write(reinterpret_cast<const char*>(image->constBits()), image->sizeInBytes());
    return file.commit();
}
