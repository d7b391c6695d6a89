#include "SvgRasterizer.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

bool SvgRasterizer::load(const QString& path, const QString& accent)
{
    m_strPath = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_strError = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    m_Source = file.readAll();
    const QByteArray marker(accentMarker());
    const QByteArray wanted = accent.toLatin1().toLower();
    if (wanted != marker) {
        // Case-insensitive: hand-written sources may spell the marker either way.
        m_Source.replace(marker, wanted);
        m_Source.replace(marker.toUpper(), wanted);
    }
    return true;
}

QImage SvgRasterizer::render(const QSize& size, const QStringList& show, double rotateDegrees) const
{
    QByteArray source = m_Source;
    for (const QString& id : show) {
        const QByteArray hidden = QStringLiteral("id=\"%1\" display=\"none\"").arg(id).toUtf8();
        const int at = source.indexOf(hidden);
        if (at < 0) {
            // A misspelt layer would otherwise give a plausible but wrong picture.
            m_strError = QStringLiteral("%1: no hidden layer \"%2\"").arg(m_strPath, id);
            return QImage();
        }
        source.replace(at, hidden.size(), QStringLiteral("id=\"%1\"").arg(id).toUtf8());
    }
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        m_strError = QStringLiteral("%1: not a valid SVG").arg(m_strPath);
        return QImage();
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (rotateDegrees != 0) {
        painter.translate(size.width() / 2.0, size.height() / 2.0);
        painter.rotate(rotateDegrees);
        painter.translate(-size.width() / 2.0, -size.height() / 2.0);
    }
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
