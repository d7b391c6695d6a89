#include "pages/KivoDPIWindow.h"

#include "model/DpiSensorRange.h"
#include "pages/KivoSingleDPI.h"
#include "widgets/PageGeometry.h"
#include "widgets/SkinStyleSheet.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
constexpr int kRowPitch = 59;
constexpr int kRowHeight = 56;
} // namespace

KivoDPIWindow::KivoDPIWindow(QWidget* parent, double dScale, const QColor& accent)
    : QWidget(parent), m_Accent(accent), m_dScale(dScale)
{
    setObjectName("dpiWindow");
    setStyleSheet(SkinStyleSheet::pages(dScale, accent));
    m_pStageGroup = new QButtonGroup(this);
    m_pStageGroup->setExclusive(true);
    for (int i = 0; i < kLevelCount; ++i) {
        auto* row = new KivoSingleDPI(quint8(i), this);
        row->setObjectName(QString("dpiRow%1").arg(i + 1));
        m_pRows[i] = row;
        m_pRadios[i] = new QRadioButton(row);
        m_pRadios[i]->setObjectName("stageButton");
        m_pStageGroup->addButton(m_pRadios[i], i);
        connect(row, &KivoSingleDPI::DPISignal, this, &KivoDPIWindow::onSliderChanged);
        connect(row, &KivoSingleDPI::LinkSignal, this, &KivoDPIWindow::onLinkChanged);
        connect(row, &KivoSingleDPI::EnableSignal, this, &KivoDPIWindow::onEnableChanged);
        connect(row, &KivoSingleDPI::MouseinSignal, this, &KivoDPIWindow::MouseinSignal);
    }
    connect(m_pStageGroup, &QButtonGroup::idClicked, this, &KivoDPIWindow::onRadioChanged);
    layout(dScale);
}

int KivoDPIWindow::visibleCount(int iDpiCount)
{
    return iDpiCount < 1 || iDpiCount > kLevelCount ? kLevelCount : iDpiCount;
}

void KivoDPIWindow::setModel(int iDpiCount, int iWideRange, const QString& product)
{
    m_iDpiCount = visibleCount(iDpiCount);
    m_iWideRange = iWideRange;
    m_Product = product;
    layout(m_dScale);
}

void KivoDPIWindow::load(const ProfileData& profile, int iSensor)
{
    m_iSensor = iSensor;
    DpiSensorRange range;
    const bool known = DpiSensorRange::find(iSensor, m_Product, m_iWideRange, &range);
    m_ProfileData = profile;
    for (int i = 0; i < kLevelCount; ++i) {
        KivoSingleDPI* row = m_pRows[i];
        const DpiLevel& level = m_ProfileData.DpiInfo[i];
        row->configure(iSensor, known ? &range : nullptr);
        row->setLink(level.link);
        row->setSteps(level.x, level.y);
        // The used box shows the level's own flag, so that Apply sends what the page shows.
        row->setUsed(level.used);
    }
    selectStage(m_ProfileData.dpi);
}

void KivoDPIWindow::selectStage(quint8 iStage)
{
    m_ProfileData.dpi = iStage;
    for (int i = 0; i < kLevelCount; ++i)
        m_pRows[i]->setSelected(i == iStage, m_Accent);
    const QSignalBlocker block(m_pStageGroup);
    if (iStage < kLevelCount) {
        m_pRadios[iStage]->setChecked(true);
    } else if (QAbstractButton* checked = m_pStageGroup->checkedButton()) {
        // A stage beyond the levels (a damaged file) selects no row; it is kept as it is.
        m_pStageGroup->setExclusive(false);
        checked->setChecked(false);
        m_pStageGroup->setExclusive(true);
    }
}

void KivoDPIWindow::retranslate()
{
    for (KivoSingleDPI* row : m_pRows)
        row->retranslate();
}

void KivoDPIWindow::layout(double dScale)
{
    m_dScale = dScale;
    for (int i = 0; i < kLevelCount; ++i) {
        KivoSingleDPI* row = m_pRows[i];
        row->layout(dScale);
        m_pRadios[i]->setGeometry(PageGeometry::rect(3, 3, 18, 20, dScale));
        if (i < m_iDpiCount) {
            row->setGeometry(PageGeometry::rect(0, i * kRowPitch, kWidth, kRowHeight, dScale));
            row->show();
        } else {
            // Levels the model does not offer stay in the record but off the page.
            row->setGeometry(PageGeometry::rect(kWidth, 0, kWidth, kRowHeight, dScale));
            row->hide();
        }
    }
}

void KivoDPIWindow::onRadioChanged()
{
    const int id = m_pStageGroup->checkedId();
    if (id >= 0)
        selectStage(quint8(id));
}

void KivoDPIWindow::onLinkChanged(quint8 iLink, quint8 iIndex)
{
    if (iIndex < kLevelCount)
        m_ProfileData.DpiInfo[iIndex].link = iLink;
}

void KivoDPIWindow::onEnableChanged(quint8 iUsed, quint8 iIndex)
{
    if (iIndex < kLevelCount)
        m_ProfileData.DpiInfo[iIndex].used = iUsed;
}

void KivoDPIWindow::onSliderChanged(int iX, int iY, quint8 iIndex)
{
    if (iIndex >= kLevelCount)
        return;
    m_ProfileData.DpiInfo[iIndex].x = quint32(qMax(0, iX));
    m_ProfileData.DpiInfo[iIndex].y = quint32(qMax(0, iY));
}

void KivoDPIWindow::MouseinSignal(quint8 iIndex)
{
    if (iIndex < kLevelCount)
        selectStage(iIndex);
}
