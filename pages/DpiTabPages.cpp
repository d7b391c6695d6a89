#include "pages/DpiTabPages.h"

#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/MouseConfig.h"
#include "pages/KivoDPIWindow.h"
#include "pages/KivoLabel.h"
#include "pages/KivoPointSpeed.h"
#include "pages/KivoReportRate.h"
#include "pages/KivoSingleDPI.h"
#include "platform/DesktopMouseSettings.h"
#include "platform/DesktopMouseSettingsFactory.h"
#include "widgets/KivoPushButton.h"
#include "widgets/PageGeometry.h"
#include "widgets/SkinStyleSheet.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {
// Left edges of the three columns on the 729-pixel page.
constexpr int kRateX = 402;
constexpr int kSpeedX = 566;
} // namespace

DpiTabPages::DpiTabPages(QWidget* page, double dScale, ProgramLauncher& launcher)
    : QObject(page), m_pMouseSettings(DesktopMouseSettingsFactory::create(launcher))
{
    const QColor accent = SkinStyleSheet::accent();
    m_pDpi = new KivoDPIWindow(page, dScale, accent);
    m_pDpi->setModel(DeviceDescription::dpiLevelCount(), DeviceDescription::wideRange33254(),
                     DeviceDescription::productName());
    m_pRate = new KivoReportRate(page, dScale, accent);
    m_pSpeed = new KivoPointSpeed(&m_SpeedProfile, page, dScale, accent);
    m_pSpeed->setMouseSettings(m_pMouseSettings.get());
    layout(dScale);
}

DpiTabPages::~DpiTabPages() = default;

void DpiTabPages::refresh(const MouseConfig& live)
{
    const ProfileData& profile = live.activeProfile();
    m_pDpi->load(profile, AppSettings::sensorNumber());
    m_pRate->load(profile, live.LiftHigh);
    m_SpeedProfile = profile;
    m_pSpeed->refresh(live.Debounce, live.Sync, live.LiftHigh, live.AngleValue, live.Jitter);
    qDebug().noquote() << "DPI tab shows:" << shownValues();
}

void DpiTabPages::takeValues(MouseConfig& live) const
{
    ProfileData& profile = live.activeProfile();
    profile.dpi = m_pDpi->stage();
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i)
        profile.DpiInfo[i] = m_pDpi->level(i);
    profile.pollrate = m_pRate->rateCode();
    m_pSpeed->collect(live);
}

void DpiTabPages::selectStage(quint8 iStage)
{
    m_pDpi->selectStage(iStage);
}

void DpiTabPages::reloadRate(const MouseConfig& live)
{
    m_pRate->load(live.activeProfile(), live.LiftHigh);
}

void DpiTabPages::showLift(quint8 iLift)
{
    m_pRate->showLift(iLift);
    m_pSpeed->showLift(iLift);
}

void DpiTabPages::retranslate()
{
    m_pDpi->retranslate();
    m_pRate->retranslate();
    m_pSpeed->retranslate();
}

void DpiTabPages::show()
{
    m_pDpi->show();
    m_pRate->show();
    m_pSpeed->show();
}

void DpiTabPages::layout(double dScale)
{
    m_pDpi->setGeometry(
        PageGeometry::rect(0, 0, KivoDPIWindow::kWidth, KivoDPIWindow::kHeight, dScale));
    m_pDpi->layout(dScale);
    m_pRate->setGeometry(
        PageGeometry::rect(kRateX, 0, KivoReportRate::kWidth, KivoReportRate::kHeight, dScale));
    m_pRate->layout(dScale);
    m_pSpeed->setGeometry(
        PageGeometry::rect(kSpeedX, 0, KivoPointSpeed::kWidth, KivoPointSpeed::kHeight, dScale));
    m_pSpeed->layout(dScale);
}

QString DpiTabPages::shownValues() const
{
    const auto onOff = [](const QAbstractButton* b) { return b->isChecked() ? "on" : "off"; };
    const auto chosen = [](const QAbstractButton* a, const QAbstractButton* b) {
        return a->isChecked() ? a->text() : b->isChecked() ? b->text() : QStringLiteral("-");
    };
    QStringList parts;
    QString stage = QStringLiteral("-");
    for (int i = 0; i < KivoDPIWindow::kLevelCount; ++i) {
        const KivoSingleDPI* row = m_pDpi->row(i);
        if (m_pDpi->stageButton(i)->isChecked())
            stage = row->titleLabel()->text();
        if (row->isVisibleTo(m_pDpi)) {
            parts << QString("%1 %2 %3 link %4 used %5")
                         .arg(row->titleLabel()->text(), row->xLabel()->text(),
                              row->yLabel()->text(), onOff(row->linkBox()), onOff(row->usedBox()));
        }
    }
    parts.prepend("stage " + stage);
    parts << "rate " + m_pRate->rateButton()->text();
    parts << "lift " + chosen(m_pRate->liftButton(0), m_pRate->liftButton(1)) + " / " +
                 chosen(m_pSpeed->box(KivoPointSpeed::LiftPair, true),
                        m_pSpeed->box(KivoPointSpeed::LiftPair, false));
    parts << "key response " + m_pSpeed->keyResponseValue()->text();
    parts << "scroll " + QString::number(m_pSpeed->scrollSpin()->value());
    parts << "sync " + chosen(m_pSpeed->box(KivoPointSpeed::SyncPair, true),
                              m_pSpeed->box(KivoPointSpeed::SyncPair, false));
    parts << "angle " + chosen(m_pSpeed->box(KivoPointSpeed::AnglePair, true),
                               m_pSpeed->box(KivoPointSpeed::AnglePair, false));
    parts << "jitter " + chosen(m_pSpeed->box(KivoPointSpeed::JitterPair, true),
                                m_pSpeed->box(KivoPointSpeed::JitterPair, false));
    return parts.join("; ");
}
