// Renders the skin: every image named in a manifest, from the SVG sources, into a folder.
// Usage: skinrender --manifest FILE --src DIR --out DIR [--accent #rrggbb] [--stamp FILE] [--force]
//                   [--scale N]   (N > 1: the PNG images only, N times larger, as name@Nx.png)
// Images newer than their source, the manifest and this program are left alone unless the
// accent changed since the stamp was written.

#include "GifWriter.h"
#include "IcoWriter.h"
#include "SkinManifest.h"
#include "SvgRasterizer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QRegularExpression>
#include <cstdio>

namespace {
int failWith(const QString& message)
{
    std::fprintf(stderr, "skinrender: %s\n", qPrintable(message));
    return 1;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

// A transparent pixel keeps whatever colour its palette entry has; only its alpha counts.
QImage withoutHiddenColour(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                row[x] = 0;
        }
    }
    return out;
}

// The GIF must come back from Qt's own decoder exactly as composed, or the build stops.
bool verifyGif(const QByteArray& data, const QVector<QImage>& expected, QString& why)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    for (int i = 0; i < expected.size(); ++i) {
        QImage decoded = reader.read();
        if (decoded.isNull()) {
            why = QStringLiteral("frame %1 does not decode: %2").arg(i).arg(reader.errorString());
            return false;
        }
        if (withoutHiddenColour(decoded) != expected[i]) {
            why = QStringLiteral("frame %1 decodes differently").arg(i);
            return false;
        }
    }
    if (reader.canRead()) {
        why = QStringLiteral("more frames than written");
        return false;
    }
    return true;
}

bool verifyIco(const QByteArray& data, const QVector<QSize>& sizes, QString& why)
{
    if (!QImageReader::supportedImageFormats().contains("ico"))
        return true; // nothing here to read it back with
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    if (reader.imageCount() != sizes.size()) {
        why = QStringLiteral("icon holds %1 images, expected %2")
                  .arg(reader.imageCount())
                  .arg(sizes.size());
        return false;
    }
    for (int i = 0; i < sizes.size(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.size() != sizes[i]) {
            why = QStringLiteral("icon image %1 reads back wrong").arg(i);
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // runs in the build, without a display
    QGuiApplication app(argc, argv);

    QString manifestPath, srcDir, outDir, stampPath;
    QString accent = SvgRasterizer::accentMarker();
    bool force = false;
    int scale = 1;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto next = [&]() { return i + 1 < args.size() ? args[++i] : QString(); };
        if (a == "--manifest")
            manifestPath = next();
        else if (a == "--src")
            srcDir = next();
        else if (a == "--out")
            outDir = next();
        else if (a == "--accent")
            accent = next();
        else if (a == "--stamp")
            stampPath = next();
        else if (a == "--force")
            force = true;
        else if (a == "--scale")
            scale = next().toInt();
        else
            return failWith("unknown argument " + a);
    }
    if (manifestPath.isEmpty() || srcDir.isEmpty() || outDir.isEmpty())
        return failWith("--manifest, --src and --out are required");
    if (!accent.startsWith('#'))
        accent.prepend('#');
    if (!QRegularExpression("^#[0-9a-fA-F]{6}$").match(accent).hasMatch())
        return failWith("accent must be #rrggbb, not " + accent);

    SkinManifest manifest;
    if (!manifest.load(manifestPath))
        return failWith(manifestPath + ": " + manifest.error());
    if (scale < 1 || scale > 4)
        return failWith("--scale must be 1 to 4");
    if (scale > 1)
        manifest.scale(scale);

    if (!stampPath.isEmpty()) {
        QFile stamp(stampPath);
        if (!stamp.open(QIODevice::ReadOnly) || stamp.readAll().trimmed() != accent.toLatin1())
            force = true;
    }
    QDateTime inputsTime = QFileInfo(manifestPath).lastModified();
    const QDateTime selfTime = QFileInfo(app.applicationFilePath()).lastModified();
    if (selfTime > inputsTime)
        inputsTime = selfTime;

    int rendered = 0;
    for (const SkinJob& job : manifest.jobs()) {
        const QString source = srcDir + "/" + job.source;
        const QString output = outDir + "/" + job.output;
        const QFileInfo outInfo(output);
        if (!force && outInfo.exists() && outInfo.lastModified() >= inputsTime &&
            outInfo.lastModified() >= QFileInfo(source).lastModified())
            continue;

        SvgRasterizer svg;
        if (!svg.load(source, accent))
            return failWith(svg.error());
        const QString where = QStringLiteral("%1 (manifest line %2)").arg(job.output).arg(job.line);

        if (job.kind == SkinJob::Png) {
            const QImage image = svg.render(job.sizes.first(), job.show);
            if (image.isNull())
                return failWith(svg.error());
            QDir().mkpath(outInfo.absolutePath());
            if (!image.save(output, "PNG"))
                return failWith("cannot write " + where);
        } else if (job.kind == SkinJob::Ico) {
            QVector<QImage> images;
            for (const QSize& size : job.sizes) {
                images.append(svg.render(size, job.show));
                if (images.last().isNull())
                    return failWith(svg.error());
            }
            const QByteArray data = IcoWriter::encode(images);
            QString why;
            if (!verifyIco(data, job.sizes, why))
                return failWith(where + ": " + why);
            if (!writeFile(output, data))
                return failWith("cannot write " + where);
        } else {
            GifWriter gif(QColor(job.matte), job.delayMs);
            for (int f = 0; f < job.frames; ++f) {
                const QImage frame = svg.render(job.sizes.first(), job.show, f * job.spinDegrees);
                if (frame.isNull())
                    return failWith(svg.error());
                gif.addFrame(frame);
            }
            const QByteArray data = gif.encode();
            QString why;
            if (!verifyGif(data, gif.expectedFrames(), why))
                return failWith(where + ": " + why);
            if (!writeFile(output, data))
                return failWith("cannot write " + where);
        }
        ++rendered;
    }
    if (!stampPath.isEmpty() && !writeFile(stampPath, accent.toLatin1() + "\n"))
        return failWith("cannot write " + stampPath);
    std::printf("skinrender: %d of %d images rendered into %s\n", rendered,
                int(manifest.jobs().size()), qPrintable(outDir));
    return 0;
}
