#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Windows icon container holding several sizes of one picture: 32-bit DIB entries with their
// transparency mask below 256 pixels, a PNG entry at 256 (how Windows stores the large size).
class IcoWriter
{
public:
    static QByteArray encode(const QVector<QImage>& images);
};
