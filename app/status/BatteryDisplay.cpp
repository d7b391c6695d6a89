#include "app/status/BatteryDisplay.h"
#include "widgets/SkinImage.h"

#include "app/status/BatteryBar.h"
#include "app/window/MainLayout.h"
#include "app/window/UiScale.h"
#include "model/AppPaths.h"
#include "model/AppSettings.h"

#include <QLabel>

namespace {
const QColor kOffGrey(100, 100, 100);

QLabel* iconLabel(QWidget* parent, const QString& image, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(SkinImage::load(AppPaths::skinDir() + "/" + image));
    label->setScaledContents(true);
    label->hide();
    return label;
}
} // namespace

int BatteryDisplay::connectionState(bool bCable, bool bReceiver, bool bCharging)
{
    if (bCable)
        return bReceiver ? Powered : CableOnly;
    if (bReceiver)
        return bCharging ? Powered : ReceiverBattery;
    return NoLink;
}

BatteryDisplay::BatteryDisplay(QWidget* window, int iLevel, const QColor& accent)
    : QObject(window), m_pWindow(window), m_Accent(accent), m_iLevel(qBound(0, iLevel, 100))
{
    m_pBar = new BatteryBar(window);
    m_pBar->setObjectName("batteryBar");
    m_pCharging = iconLabel(window, "lightning.png", "chargingIcon");
    m_pReceiver = iconLabel(window, "dongle.png", "receiverIcon");
    m_pStatus = new QLabel(window);
    m_pStatus->setObjectName("statusLabel");
    m_pStatus2 = new QLabel(window);
    m_pStatus2->setObjectName("statusLabel2");
    for (QLabel* label : {m_pStatus, m_pStatus2}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setStyleSheet(QStringLiteral("color: #e8ebef; background: transparent;"));
    }
}

void BatteryDisplay::show(int iLevel, bool bCharging, bool bCable, bool bReceiver)
{
    iLevel = qBound(0, iLevel, 100);
    m_bCable = bCable;
    if (iLevel == 0) {
        m_pBar->setFormat(tr("MOUSE OFF"));
        m_pBar->setTextVisible(false);
        m_pBar->setValue(0);
        m_pBar->setColours(kOffGrey, kOffGrey, Qt::white);
        m_pBar->setLow(false);
        m_pStatus->setText(tr("MOUSE OFF"));
        m_pStatus2->clear();
        m_pCharging->hide();
        m_bMouseOff = true;
    } else {
        m_bMouseOff = false;
        m_pBar->setTextVisible(true);
        m_pBar->setFormat(bCable ? QString() : QStringLiteral("%p%"));
        m_pBar->setValue(bCable ? 100 : iLevel);
        const bool low = !bCable && iLevel <= BatteryBar::kLowLevel;
        m_pBar->setColours(low ? BatteryBar::warningColour() : m_Accent, Qt::white, Qt::black);
        m_pBar->setLow(low);
        m_pStatus->clear();
        m_pStatus2->clear();
        m_bCharging = bCharging;
        m_pCharging->setVisible(bCharging);
        if (iLevel != m_iLevel)
            AppSettings::setBattery(iLevel);
    }
    m_iLevel = iLevel;
    applyState(bCable, bReceiver);
}

void BatteryDisplay::applyState(bool bCable, bool bReceiver)
{
    m_iState = connectionState(bCable, bReceiver, m_bCharging);
    m_pReceiver->setVisible(m_iState == Powered || m_iState == ReceiverBattery);
    m_pBar->setVisible(m_iState == ReceiverBattery || m_iState == NoLink);
    layout(m_dScale);
}

void BatteryDisplay::retranslate()
{
    if (!m_bMouseOff)
        return;
    m_pBar->setFormat(tr("MOUSE OFF"));
    m_pStatus->setText(tr("MOUSE OFF"));
}

void BatteryDisplay::setFontScale(double dScale)
{
    QFont barFont = m_pWindow->font();
    barFont.setBold(true);
    barFont.setPixelSize(UiScale::scaled(16, dScale));
    m_pBar->setFont(barFont);
    m_pStatus->setFont(barFont);
}

void BatteryDisplay::layout(double dScale)
{
    m_dScale = dScale;
    m_pBar->setGeometry(MainLayout::rect(MainLayout::BatteryBar, dScale));
    m_pReceiver->setGeometry(MainLayout::rect(MainLayout::ReceiverIcon, dScale));
    QRect charging = MainLayout::rect(MainLayout::ChargingIcon, dScale);
    // Both icons share one place; while the receiver shows, the charging icon stands beside it.
    if (m_pReceiver->isVisibleTo(m_pWindow)) {
        const QRect receiver = m_pReceiver->geometry();
        charging.moveLeft(receiver.right() + 1 + UiScale::scaled(4, dScale));
    }
    m_pCharging->setGeometry(charging);
    m_pStatus->setGeometry(MainLayout::rect(MainLayout::StatusLabel, dScale));
    m_pStatus2->setGeometry(MainLayout::rect(MainLayout::StatusLabel2, dScale));
}
