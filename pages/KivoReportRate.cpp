#include "pages/KivoReportRate.h"

#include "model/AppPaths.h"
#include "widgets/KivoPushButton.h"
#include "widgets/PageGeometry.h"
#include "widgets/SkinImage.h"
#include "widgets/SkinStyleSheet.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
struct Rate
{
    quint8 iCode;
    const char* text;
};
const Rate kRates[KivoReportRate::kRateCount] = {
    {8, QT_TRANSLATE_NOOP("KivoReportRate", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("KivoReportRate", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("KivoReportRate", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("KivoReportRate", "1000 HZ")},
};

QStringList smallFaces()
{
    return KivoPushButton::skinImages({"btnsmall-1.png", "btnsmall-2.png", "btnsmall-3.png"});
}
} // namespace

KivoReportRate::KivoReportRate(QWidget* parent, double dScale, const QColor& accent)
    : QWidget(parent)
{
    setObjectName("reportRate");
    setStyleSheet(SkinStyleSheet::pages(dScale, accent));

    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName("rateTitle");
    m_pRateButton = new KivoPushButton(
        KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"}), this, dScale);
    m_pRateButton->setObjectName("rateButton");
    // It shows the rate; the four buttons below choose it.
    m_pRateButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pRateGroup = new QButtonGroup(this);
    for (int i = 0; i < kRateCount; ++i) {
        m_pChoices[i] = new KivoPushButton(smallFaces(), this, dScale);
        m_pChoices[i]->setObjectName("rateChoice");
        m_pChoices[i]->setCheckable(true);
        m_pRateGroup->addButton(m_pChoices[i], i);
    }
    connect(m_pRateGroup, &QButtonGroup::idClicked, this, &KivoReportRate::onRateClicked);

    m_pPicture = new QLabel(this);
    m_pPicture->setObjectName("ratePicture");
    m_pPicture->setPixmap(QPixmap::fromImage(SkinImage::read(AppPaths::skinDir() + "/rate.png")));
    m_pPicture->setScaledContents(true);

    m_pLiftTitle = new QLabel(this);
    m_pLiftTitle->setObjectName("liftTitle");
    m_pLiftGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        m_pLift[i] = new QRadioButton(this);
        m_pLift[i]->setObjectName(i == 0 ? "lift1" : "lift2");
        m_pLiftGroup->addButton(m_pLift[i], i);
    }
    connect(m_pLiftGroup, &QButtonGroup::idClicked, this, &KivoReportRate::onRadioChanged);
    showLift(m_iLift);
    layout(dScale);
    retranslate();
}

const char* KivoReportRate::rateText(quint8 iCode)
{
    for (const Rate& rate : kRates) {
        if (rate.iCode == iCode)
            return rate.text;
    }
    return nullptr;
}

quint8 KivoReportRate::shownLift(int iLift)
{
    return iLift == 1 ? 1 : 2;
}

void KivoReportRate::load(const ProfileData& profile, int iLift)
{
    m_ProfileData = profile;
    showRate();
    showLift(iLift);
}

void KivoReportRate::showRate()
{
    const char* text = rateText(m_ProfileData.pollrate);
    m_pRateButton->setText(text ? tr(text) : QString());
    for (int i = 0; i < kRateCount; ++i) {
        if (kRates[i].iCode == m_ProfileData.pollrate)
            m_pChoices[i]->setChecked(true);
    }
}

void KivoReportRate::showLift(int iLift)
{
    m_iLift = shownLift(iLift);
    const QSignalBlocker block(m_pLiftGroup);
    m_pLift[m_iLift - 1]->setChecked(true);
}

void KivoReportRate::onRateClicked(int iChoice)
{
    if (iChoice < 0 || iChoice >= kRateCount)
        return;
    m_ProfileData.pollrate = kRates[iChoice].iCode;
    showRate();
}

void KivoReportRate::onRadioChanged()
{
    const int id = m_pLiftGroup->checkedId();
    if (id < 0)
        return;
    m_iLift = quint8(id + 1);
    emit RefreshLift(m_iLift);
}

void KivoReportRate::retranslate()
{
    m_pTitle->setText(tr("REPORT RATE"));
    m_pLiftTitle->setText(tr("Lift off Distance"));
    for (int i = 0; i < kRateCount; ++i)
        m_pChoices[i]->setText(tr(kRates[i].text));
    m_pLift[0]->setText(tr("1 mm"));
    m_pLift[1]->setText(tr("2 mm"));
    showRate();
}

void KivoReportRate::layout(double dScale)
{
    // On a grid of 20 pixels; the rate button is 150 wide.
    m_pTitle->setGeometry(PageGeometry::rect(0, 0, 150, 20, dScale));
    m_pRateButton->setGeometry(PageGeometry::rect(0, 20, 150, 30, dScale));
    for (int i = 0; i < kRateCount; ++i) {
        m_pChoices[i]->setGeometry(
            PageGeometry::rect((i % 2) * 80, 60 + (i / 2) * 40, 70, 24, dScale));
        m_pChoices[i]->setScale(dScale);
    }
    m_pRateButton->setScale(dScale);
    m_pPicture->setGeometry(PageGeometry::rect(0, 140, 150, 80, dScale));
    m_pLiftTitle->setGeometry(PageGeometry::rect(0, 240, 150, 20, dScale));
    m_pLift[0]->setGeometry(PageGeometry::rect(0, 280, 70, 20, dScale));
    m_pLift[1]->setGeometry(PageGeometry::rect(80, 280, 70, 20, dScale));
}
