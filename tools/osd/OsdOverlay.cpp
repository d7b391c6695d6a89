#include "OsdOverlay.h"

#include "widgets/OsdPalette.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
constexpr int kPadX = 36;
constexpr int kPadY = 18;
constexpr int kRadius = 18;
constexpr int kFrame = 3;
constexpr int kMinDurationMs = 200;
constexpr int kMaxDurationMs = 10000;
constexpr int kMinTextSize = 12;
constexpr int kMaxTextSize = 200;
} // namespace

OsdOverlay::OsdOverlay(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                          Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput |
                          Qt::X11BypassWindowManagerHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Wireless Mouse OSD"));
    m_HideTimer.setSingleShot(true);
    connect(&m_HideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void OsdOverlay::showMessage(const OsdMessage& message)
{
    m_Text = message.text;
    m_Accent = message.colour();

    // The numbers come from another process: keep them within what a screen can show.
    QFont font(message.fontFace.isEmpty() ? QStringLiteral("Arial") : message.fontFace);
    font.setBold(true);
    font.setPixelSize(qBound<int>(kMinTextSize, message.textSize, kMaxTextSize));
    setFont(font);

    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);

    // Only text wider than the screen is shortened.
    const QFontMetrics metrics(font);
    const int maxTextWidth = area.width() - 4 * kPadX;
    m_Shown = metrics.horizontalAdvance(m_Text) <= maxTextWidth
                  ? m_Text
                  : metrics.elidedText(m_Text, Qt::ElideRight, maxTextWidth);
    const int width = metrics.horizontalAdvance(m_Shown) + 2 * kPadX;
    const int height = metrics.height() + 2 * kPadY;
    setFixedSize(width, height);
    move(area.left() + (area.width() - width) / 2, area.bottom() - height - area.height() / 10);

    show();
    raise();
    update();
    const int duration =
        message.durationMs == 0
            ? 1500
            : static_cast<int>(qBound<quint32>(kMinDurationMs, message.durationMs, kMaxDurationMs));
    m_HideTimer.start(duration);
}

void OsdOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QRectF panel =
        QRectF(rect()).adjusted(kFrame / 2.0, kFrame / 2.0, -kFrame / 2.0, -kFrame / 2.0);
    QPainterPath path;
    path.addRoundedRect(panel, kRadius, kRadius);
    painter.fillPath(path, OsdPalette::panel());
    painter.setPen(QPen(OsdPalette::frame(m_Accent), kFrame));
    painter.drawPath(path);

    painter.setPen(OsdPalette::text(m_Accent));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, m_Shown);
}
