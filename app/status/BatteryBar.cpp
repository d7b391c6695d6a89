#include "app/status/BatteryBar.h"
#include "widgets/SkinImage.h"

#include "model/AppPaths.h"
#include "widgets/ColourContrast.h"

#include <QPainter>

namespace {
// The body of the outline in the 71 × 34 images, the nub excluded.
constexpr double kBodyLeft = 4.0 / 71;
constexpr double kBodyTop = 4.0 / 34;
constexpr double kBodyRight = 58.0 / 71;
constexpr double kBodyBottom = 30.0 / 34;
} // namespace

BatteryBar::BatteryBar(QWidget* parent)
    : QProgressBar(parent), m_Normal(SkinImage::load(AppPaths::skinDir() + "/bat1.png")),
      m_LowImage(SkinImage::load(AppPaths::skinDir() + "/bat2.png")), m_Chunk(100, 100, 100),
      m_Background(100, 100, 100), m_Text(Qt::white)
{
    setRange(0, 100);
    setAlignment(Qt::AlignCenter);
}

void BatteryBar::setColours(const QColor& chunk, const QColor& background, const QColor& text)
{
    m_Chunk = chunk;
    m_Background = background;
    m_Text = text;
    update();
}

QColor BatteryBar::textColourOver(const QColor& fill) const
{
    if (ColourContrast::ratio(m_Text, fill) >= ColourContrast::kReadable)
        return m_Text;
    return ColourContrast::textOn(fill);
}

void BatteryBar::setLow(bool bLow)
{
    m_bLow = bLow;
    update();
}

void BatteryBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF body(width() * kBodyLeft, height() * kBodyTop, width() * (kBodyRight - kBodyLeft),
                      height() * (kBodyBottom - kBodyTop));
    painter.fillRect(body, m_Background);
    const int span = maximum() - minimum();
    const double part = span > 0 ? double(value() - minimum()) / span : 0.0;
    const QRectF filled(body.left(), body.top(), body.width() * part, body.height());
    if (part > 0)
        painter.fillRect(filled, m_Chunk);
    const QPixmap& outline = m_bLow && !m_LowImage.isNull() ? m_LowImage : m_Normal;
    if (!outline.isNull())
        painter.drawPixmap(rect(), outline);
    if (isTextVisible()) {
        // The text may straddle the chunk and the empty part: each half in a colour that reads
        // on what lies under it (black on a saturated blue chunk would not).
        painter.setFont(font());
        const QRectF empty(filled.right(), body.top(), body.right() - filled.right(),
                           body.height());
        const QPair<QRectF, QColor> parts[] = {{filled, m_Chunk}, {empty, m_Background}};
        for (const auto& part : parts) {
            if (part.first.width() <= 0)
                continue;
            painter.save();
            painter.setClipRect(part.first);
            painter.setPen(textColourOver(part.second));
            painter.drawText(body, Qt::AlignCenter, text());
            painter.restore();
        }
    }
}
