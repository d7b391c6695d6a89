#include "app/window/ConfirmationNote.h"

#include "app/window/UiScale.h"
#include "widgets/ColourContrast.h"

namespace {
// Over the lower edge of the page area, clear of the bottom buttons, at scale 1.0.
const QRect kPlace(290, 524, 560, 30);
} // namespace

ConfirmationNote::ConfirmationNote(QWidget* window, const QColor& accent)
    : QLabel(window), m_Accent(accent)
{
    setObjectName(QStringLiteral("confirmation"));
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_HideTimer.setSingleShot(true);
    connect(&m_HideTimer, &QTimer::timeout, this, &QWidget::hide);
    layout(1.0);
}

void ConfirmationNote::layout(double dScale)
{
    m_dScale = dScale;
    setGeometry(UiScale::scaled(kPlace, dScale));
    // White on the dark panel reads at any accent; the accent marks the frame only.
    setStyleSheet(QString("QLabel#confirmation { background: rgba(16, 16, 20, 235); color: %1;"
                          " border: %2px solid %3; border-radius: %4px; font-weight: bold;"
                          " font-size: %5px; padding: 0 %6px; }")
                      .arg(ColourContrast::textOn(QColor(16, 16, 20)).name())
                      .arg(qMax(1, UiScale::scaled(2, dScale)))
                      .arg(m_Accent.name())
                      .arg(UiScale::scaled(6, dScale))
                      .arg(UiScale::scaled(14, dScale))
                      .arg(UiScale::scaled(10, dScale)));
}

void ConfirmationNote::say(const QString& text)
{
    // A long file path keeps its start and its name; the middle gives way.
    const int room = width() - 2 * UiScale::scaled(12, m_dScale);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(UiScale::scaled(14, m_dScale));
    setText(QFontMetrics(bold).elidedText(text, Qt::ElideMiddle, room));
    setToolTip(text);
    raise();
    show();
    m_HideTimer.start(kShownMs);
}
