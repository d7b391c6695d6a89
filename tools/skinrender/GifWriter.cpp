#include "GifWriter.h"

#include <QHash>
#include <QMap>
#include <algorithm>

namespace {
const int kTransparent = 255;

void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Collects variable-width codes least significant bit first, as GIF packs them.
class BitSink
{
public:
    void write(int code, int width)
    {
        m_uAcc |= quint32(code) << m_iBits;
        m_iBits += width;
        while (m_iBits >= 8) {
            m_Bytes.append(char(m_uAcc & 0xFF));
            m_uAcc >>= 8;
            m_iBits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_iBits > 0)
            m_Bytes.append(char(m_uAcc & 0xFF));
        m_uAcc = 0;
        m_iBits = 0;
        return m_Bytes;
    }

private:
    QByteArray m_Bytes;
    quint32 m_uAcc = 0;
    int m_iBits = 0;
};
} // namespace

GifWriter::GifWriter(const QColor& matte, int delayMs) : m_Matte(matte), m_iDelayMs(delayMs) {}

void GifWriter::addFrame(const QImage& frame)
{
    QImage flat = frame.convertToFormat(QImage::Format_ARGB32);
    const int mr = m_Matte.red();
    const int mg = m_Matte.green();
    const int mb = m_Matte.blue();
    for (int y = 0; y < flat.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0) {
                row[x] = 0;
                continue;
            }
            auto blend = [&](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            row[x] =
                qRgb(blend(qRed(row[x]), mr), blend(qGreen(row[x]), mg), blend(qBlue(row[x]), mb));
        }
    }
    m_Frames.append(flat);
}

void GifWriter::buildPalette()
{
    QHash<QRgb, int> counts;
    for (const QImage& frame : m_Frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                if (qAlpha(row[x]) != 0)
                    counts[row[x] | 0xFF000000u] += 1;
            }
        }
    }
    m_Palette.clear();
    if (counts.size() <= kTransparent) {
        m_Palette = QVector<QRgb>(counts.keyBegin(), counts.keyEnd());
        std::sort(m_Palette.begin(), m_Palette.end());
        return;
    }
    // Too many shades: average within 5-bit-per-channel boxes and keep the busiest boxes.
    struct Box
    {
        qint64 r = 0, g = 0, b = 0, n = 0;
    };
    QMap<int, Box> boxes;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QRgb c = it.key();
        Box& box = boxes[((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3)];
        box.r += qint64(qRed(c)) * it.value();
        box.g += qint64(qGreen(c)) * it.value();
        box.b += qint64(qBlue(c)) * it.value();
        box.n += it.value();
    }
    QVector<Box> ranked = QVector<Box>::fromList(boxes.values());
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Box& a, const Box& b) { return a.n > b.n; });
    for (int i = 0; i < ranked.size() && i < kTransparent; ++i) {
        const Box& box = ranked[i];
        m_Palette.append(qRgb(int(box.r / box.n), int(box.g / box.n), int(box.b / box.n)));
    }
}

int GifWriter::nearestIndex(QRgb colour) const
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < m_Palette.size(); ++i) {
        const int dr = qRed(colour) - qRed(m_Palette[i]);
        const int dg = qGreen(colour) - qGreen(m_Palette[i]);
        const int db = qBlue(colour) - qBlue(m_Palette[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QVector<QImage> GifWriter::expectedFrames() const
{
    QVector<QImage> frames;
    for (int f = 0; f < m_Indexed.size(); ++f) {
        const QImage& source = m_Frames[f];
        QImage image(source.size(), QImage::Format_ARGB32);
        const QByteArray& indices = m_Indexed[f];
        for (int y = 0; y < image.height(); ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int index = quint8(indices[y * image.width() + x]);
                row[x] = index == kTransparent ? 0 : m_Palette[index];
            }
        }
        frames.append(image);
    }
    return frames;
}

QByteArray GifWriter::lzw(const QByteArray& indices)
{
    const int minCodeSize = 8;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitSink sink;
    QHash<quint32, int> table; // (prefix code << 8 | next index) -> code
    int codeSize = minCodeSize + 1;
    int maxCode = endCode;
    sink.write(clearCode, codeSize);
    int current = -1;
    for (const char c : indices) {
        const int next = quint8(c);
        if (current < 0) {
            current = next;
            continue;
        }
        const quint32 key = (quint32(current) << 8) | quint32(next);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            current = found.value();
            continue;
        }
        sink.write(current, codeSize);
        table.insert(key, ++maxCode);
        if (maxCode >= (1 << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            sink.write(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            maxCode = endCode;
        }
        current = next;
    }
    if (current >= 0) {
        sink.write(current, codeSize);
        // The decoder adds one more entry on reading that code and may widen before the end code.
        if (maxCode > endCode && maxCode + 1 >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
    }
    sink.write(endCode, codeSize);
    return sink.finish();
}

QByteArray GifWriter::encode()
{
    buildPalette();
    QHash<QRgb, int> lookup;
    m_Indexed.clear();
    for (const QImage& frame : m_Frames) {
        QByteArray indices(frame.width() * frame.height(), '\0');
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                int index = kTransparent;
                if (qAlpha(row[x]) != 0) {
                    auto it = lookup.constFind(row[x]);
                    if (it == lookup.constEnd())
                        it = lookup.insert(row[x], nearestIndex(row[x]));
                    index = it.value();
                }
                indices[y * frame.width() + x] = char(index);
            }
        }
        m_Indexed.append(indices);
    }

    const int width = m_Frames.isEmpty() ? 1 : m_Frames.first().width();
    const int height = m_Frames.isEmpty() ? 1 : m_Frames.first().height();
    QByteArray out("GIF89a");
    put16(out, width);
    put16(out, height);
    out.append(char(0xF7)); // global table of 256 entries, 8 bits per primary
    out.append(char(kTransparent));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < m_Palette.size() ? m_Palette[i] : m_Matte.rgb();
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    put16(out, 0); // loop for ever
    out.append(char(0));

    for (const QByteArray& indices : m_Indexed) {
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x09)); // clear to background after the frame, index 255 transparent
        put16(out, (m_iDelayMs + 5) / 10);
        out.append(char(kTransparent));
        out.append(char(0));
        out.append(char(0x2C));
        put16(out, 0);
        put16(out, 0);
        put16(out, width);
        put16(out, height);
        out.append(char(0));
        out.append(char(8));
        const QByteArray data = lzw(indices);
        for (int at = 0; at < data.size(); at += 255) {
            const int n = std::min(255, int(data.size()) - at);
            out.append(char(n));
            out.append(data.constData() + at, n);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}
