#include "widgets/KivoPushButton.h"
#include "widgets/SkinImage.h"

#include "model/AppPaths.h"

#include <QCursor>
#include <QHash>
#include <QPainter>
#include <QResizeEvent>

KivoPushButton::KivoPushButton(const QStringList& images, QWidget* parent, double dScale)
    : KivoPushButton(images, QString(), parent, dScale)
{
}

KivoPushButton::KivoPushButton(const QStringList& images, const QString& text, QWidget* parent,
                               double dScale)
    : QPushButton(text, parent), m_dScale(dScale > 0 ? dScale : 1.0)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
    setImages(images);
}

QStringList KivoPushButton::skinImages(const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths.append(AppPaths::skinDir() + "/" + name);
    return paths;
}

void KivoPushButton::setImages(const QStringList& images)
{
    m_Images = images;
    m_Faces = QVector<QPixmap>(3);
    for (int i = 0; i < images.size() && i < 3; ++i)
        m_Faces[i] = SkinImage::load(images[i]);
    m_NominalSize = images.isEmpty() ? QSize() : SkinImage::nominalSize(images.first());
    // Two images: the hover face also serves as the pressed one.
    if (m_Faces[Pressed].isNull())
        m_Faces[Pressed] = m_Faces[Hover];
    if (m_Faces[Hover].isNull())
        m_Faces[Hover] = m_Faces[Normal];
    m_Scaled.clear();
    updateGeometry();
    update();
}

void KivoPushButton::setScale(double dScale)
{
    if (dScale <= 0)
        return;
    m_dScale = dScale;
    updateGeometry();
}

KivoPushButton::Face KivoPushButton::face() const
{
    if (isDown() || isChecked())
        return Pressed;
    if (m_bHover && isEnabled())
        return Hover;
    return Normal;
}

QSize KivoPushButton::sizeHint() const
{
    if (!m_Faces.isEmpty() && !m_Faces[Normal].isNull() && m_NominalSize.isValid())
        return (QSizeF(m_NominalSize) * m_dScale).toSize();
    return QPushButton::sizeHint();
}

void KivoPushButton::enterEvent(QEvent* event)
{
    m_bHover = true;
    update();
    emit EnterSignal(this);
    emit OverSignal(this, true);
    QPushButton::enterEvent(event);
}

void KivoPushButton::leaveEvent(QEvent* event)
{
    m_bHover = false;
    update();
    emit OverSignal(this, false);
    QPushButton::leaveEvent(event);
}

void KivoPushButton::mousePressEvent(QMouseEvent* event)
{
    QPushButton::mousePressEvent(event);
    hoverAfterMenu();
}

void KivoPushButton::keyPressEvent(QKeyEvent* event)
{
    QPushButton::keyPressEvent(event);
    hoverAfterMenu();
}

void KivoPushButton::hoverAfterMenu()
{
    // A button's menu, and any dialog opened from it, runs inside the press and holds the
    // pointer meanwhile: the button is never told that the pointer left, so it looks for itself.
    if (!menu() || !m_bHover)
        return;
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_bHover = false;
    update();
    emit OverSignal(this, false);
}

void KivoPushButton::resizeEvent(QResizeEvent* event)
{
    // Layouts hide what a model lacks by giving it no size; Tab must not land on it unseen.
    const bool bEmpty = event->size().isEmpty();
    if (bEmpty && !m_bFocusTaken && focusPolicy() != Qt::NoFocus) {
        m_FocusPolicy = focusPolicy();
        m_bFocusTaken = true;
        setFocusPolicy(Qt::NoFocus);
    } else if (!bEmpty && m_bFocusTaken) {
        m_bFocusTaken = false;
        setFocusPolicy(m_FocusPolicy);
    }
    QPushButton::resizeEvent(event);
}

namespace {
// Buttons of a row share their face images and their size: each face is scaled once for all
// of them. Few faces and sizes are ever drawn, so nothing is dropped.
QPixmap sharedScaled(const QPixmap& face, const QSize& target, qreal dpr)
{
    static QHash<QString, QPixmap> scaled;
    const QString key = QStringLiteral("%1 %2x%3 %4")
                            .arg(face.cacheKey())
                            .arg(target.width())
                            .arg(target.height())
                            .arg(dpr);
    auto it = scaled.find(key);
    if (it == scaled.end()) {
        QPixmap fitted = face.size() == target
                             ? face
                             : face.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        fitted.setDevicePixelRatio(dpr);
        it = scaled.insert(key, fitted);
    }
    return *it;
}
} // namespace

const QPixmap& KivoPushButton::faceAt(Face face)
{
    const qreal dpr = devicePixelRatioF();
    const QSize target = (QSizeF(size()) * dpr).toSize();
    if (m_Scaled.size() != m_Faces.size() || m_ScaledFor != target) {
        m_Scaled = QVector<QPixmap>(m_Faces.size());
        m_ScaledFor = target;
    }
    // Only the face shown is scaled: the hover and pressed ones wait until they are shown.
    QPixmap& scaled = m_Scaled[face];
    if (scaled.isNull() && !m_Faces[face].isNull() && !target.isEmpty())
        scaled = sharedScaled(m_Faces[face], target, dpr);
    return scaled;
}

void KivoPushButton::setMenuArrow(bool bShow)
{
    m_bMenuArrow = bShow;
    update();
}

void KivoPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Face shown = face();
    if (!isEnabled())
        painter.setOpacity(0.45);

    const QPixmap& pixmap = faceAt(shown);
    if (!pixmap.isNull()) {
        painter.drawPixmap(0, 0, pixmap);
    } else {
        // No skin image (missing file): a plain face in the skin's colours keeps it usable.
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor fill = shown == Pressed ? QColor(200, 0, 0)
                            : shown == Hover ? QColor(0x2a, 0x2f, 0x36)
                                             : QColor(0x1e, 0x22, 0x27);
        painter.setPen(shown == Normal ? QColor(0x3b, 0x41, 0x4a) : QColor(255, 0, 0));
        painter.setBrush(fill);
        painter.drawRect(r);
    }

    painter.setOpacity(1.0);
    const QColor ink = isEnabled() ? QColor(0xf2, 0xf4, 0xf7) : QColor(0x6a, 0x72, 0x7d);
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(ink);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    paintFocusMark(painter);
    if (m_bMenuArrow && menu()) {
        const qreal s = height() / 7.0;
        const QPointF c(width() - height() * 0.75, height() / 2.0);
        painter.setPen(QPen(ink, qMax(1.0, s / 2.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF chevron[] = {c + QPointF(-s, -s / 2), c + QPointF(0, s / 2),
                                   c + QPointF(s, -s / 2)};
        painter.drawPolyline(chevron, 3);
    }
}

void KivoPushButton::paintFocusMark(QPainter& painter)
{
    // As the platform styles do: only once the keyboard moved the focus, not after a click.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    const qreal inset = qMax(2.0, height() / 10.0);
    QPen pen(QColor(0xf2, 0xf4, 0xf7), qMax(1.0, m_dScale), Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
