#include "pages/KivoPointSpeed.h"

#include "model/AppSettings.h"
#include "model/MouseConfig.h"
#include "platform/DesktopMouseSettings.h"
#include "widgets/KivoPushButton.h"
#include "widgets/PageGeometry.h"
#include "widgets/SkinStyleSheet.h"
#include "widgets/UserPrompts.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {
// Each pair: its title, the texts of its two boxes and the value each box stands for. Sync is on
// at 1; angle snapping and jitter are on at 0.
struct PairText
{
    const char* title;
    const char* first;
    const char* second;
    int iFirstValue;
    int iSecondValue;
};
const PairText kPairs[KivoPointSpeed::PairCount] = {
    {QT_TRANSLATE_NOOP("KivoPointSpeed", "Enable sync"), QT_TRANSLATE_NOOP("KivoPointSpeed", "ON"),
     QT_TRANSLATE_NOOP("KivoPointSpeed", "OFF"), 1, 0},
    {QT_TRANSLATE_NOOP("KivoPointSpeed", "Lift Distance"),
     QT_TRANSLATE_NOOP("KivoPointSpeed", "1mm"), QT_TRANSLATE_NOOP("KivoPointSpeed", "2mm"), 1, 2},
    {QT_TRANSLATE_NOOP("KivoPointSpeed", "Angle Snapping"),
     QT_TRANSLATE_NOOP("KivoPointSpeed", "ON"), QT_TRANSLATE_NOOP("KivoPointSpeed", "OFF"), 0, 1},
    {QT_TRANSLATE_NOOP("KivoPointSpeed", "Jitter"), QT_TRANSLATE_NOOP("KivoPointSpeed", "ON"),
     QT_TRANSLATE_NOOP("KivoPointSpeed", "OFF"), 0, 1},
};
} // namespace

KivoPointSpeed::KivoPointSpeed(ProfileData* pProfile, QWidget* parent, double dScale,
                               const QColor& accent)
    : QWidget(parent), m_pProfile(pProfile), m_dScale(dScale)
{
    setObjectName("pointSpeed");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("KivoPointSpeed{background-color: rgba(33,35,35,0.5)}" +
                  SkinStyleSheet::pages(dScale, accent));

    m_pSliderTitle = new QLabel(this);
    m_pSlider = new QSlider(Qt::Horizontal, this);
    m_pSlider->setObjectName("keyResponse");
    m_pSlider->setRange(kKeyResponseMin, kKeyResponseMax);
    m_pSlider->setSingleStep(1);
    m_pSlider->setPageStep(1);
    m_pSlider->setTickPosition(QSlider::NoTicks);
    m_pSliderValue = new QLabel(this);
    m_pSliderValue->setObjectName("keyResponseValue");
    connect(m_pSlider, &QSlider::valueChanged, this, &KivoPointSpeed::onSliderChanged);

    m_pSpinTitle = new QLabel(this);
    m_pSpin = new QSpinBox(this);
    m_pSpin->setObjectName("scrollSpeed");
    m_pSpin->setRange(kScrollMin, kScrollMax);
    connect(m_pSpin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &KivoPointSpeed::sValueChangedSlot);

    for (int p = 0; p < PairCount; ++p) {
        m_pPairTitles[p] = new QLabel(this);
        for (int b = 0; b < 2; ++b) {
            m_pBoxes[p][b] = new QCheckBox(this);
            m_pBoxes[p][b]->setObjectName(QString("pair%1box%2").arg(p).arg(b));
            connect(m_pBoxes[p][b], &QCheckBox::clicked, this, &KivoPointSpeed::checkbtn_clicked);
        }
    }

    m_pMouseButton = new KivoPushButton(
        KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"}), this, dScale);
    m_pMouseButton->setObjectName("mouseSettingButton");
    connect(m_pMouseButton, &QPushButton::clicked, this, [this] {
        // A button that does nothing looks broken: the user is told what was looked for.
        if (m_pMouseSettings && !m_pMouseSettings->open())
            UserPrompts::notice(this, tr("Mouse Setting"),
                                tr("No mouse settings of this desktop could be opened."),
                                m_pMouseSettings->reason());
    });

    m_pSliderValue->setText(QString::number(m_iKeyResponse));
    for (int p = 0; p < PairCount; ++p)
        showPair(Pair(p), *valueOf(Pair(p)) == kPairs[p].iFirstValue);
    layout(dScale);
    retranslate();
}

int* KivoPointSpeed::valueOf(Pair pair)
{
    switch (pair) {
    case SyncPair:
        return &m_iSync;
    case LiftPair:
        return &m_iLift;
    case AnglePair:
        return &m_iAngle;
    default:
        return &m_iJitter;
    }
}

void KivoPointSpeed::showPair(Pair pair, bool bFirst)
{
    for (int b = 0; b < 2; ++b) {
        const QSignalBlocker block(m_pBoxes[pair][b]);
        m_pBoxes[pair][b]->setChecked((b == 0) == bFirst);
    }
}

void KivoPointSpeed::refresh(int iKeyResponse, int iSync, int iLift, int iAngle, int iJitter)
{
    setFont(AppSettings::currentFont(m_dScale));
    m_iSync = iSync;
    m_iAngle = iAngle;
    m_iJitter = iJitter;
    // What the controls can show is what is kept: the slider and the spin box hold values
    // within their ranges, and a lift-off value other than 1 shows and counts as 2 mm.
    m_iLift = iLift == 1 ? 1 : 2;
    {
        const QSignalBlocker block(m_pSlider);
        m_pSlider->setValue(iKeyResponse);
    }
    m_iKeyResponse = m_pSlider->value();
    m_pSliderValue->setText(QString::number(m_iKeyResponse));
    {
        const QSignalBlocker block(m_pSpin);
        m_pSpin->setValue(m_pProfile->scrollspeed);
    }
    m_pProfile->scrollspeed = quint8(m_pSpin->value());
    for (int p = 0; p < PairCount; ++p)
        showPair(Pair(p), *valueOf(Pair(p)) == kPairs[p].iFirstValue);
}

void KivoPointSpeed::showLift(int iLift)
{
    m_iLift = iLift == 1 ? 1 : 2;
    showPair(LiftPair, m_iLift == 1);
}

void KivoPointSpeed::collect(MouseConfig& live) const
{
    live.Sync = quint8(m_iSync);
    live.LiftHigh = quint8(m_iLift);
    live.AngleValue = quint8(m_iAngle);
    live.Jitter = quint8(m_iJitter);
    live.Debounce = quint8(m_iKeyResponse);
    ProfileData& active = live.activeProfile();
    active.mousespeed = m_pProfile->mousespeed;
    active.scrollspeed = m_pProfile->scrollspeed;
}

void KivoPointSpeed::checkbtn_clicked()
{
    for (int p = 0; p < PairCount; ++p) {
        for (int b = 0; b < 2; ++b) {
            if (sender() != m_pBoxes[p][b])
                continue;
            // A click on the checked box keeps it checked.
            showPair(Pair(p), b == 0);
            *valueOf(Pair(p)) = b == 0 ? kPairs[p].iFirstValue : kPairs[p].iSecondValue;
            if (p == LiftPair)
                emit LiftSignal(quint8(m_iLift));
            return;
        }
    }
}

void KivoPointSpeed::sValueChangedSlot(int iValue)
{
    qDebug("slider_clicked 1 = %d", iValue);
    m_pProfile->scrollspeed = quint8(iValue);
}

void KivoPointSpeed::onSliderChanged(int iValue)
{
    qDebug("slider_clicked 1 = %d", iValue);
    m_iKeyResponse = iValue;
    m_pSliderValue->setText(QString::number(iValue));
    m_pSliderValue->repaint();
}

void KivoPointSpeed::setDesktopSpeedNote(bool bShow)
{
    if (!m_pSpeedNote) {
        m_pSpeedNote = new QLabel(this);
        m_pSpeedNote->setObjectName(QStringLiteral("speedNote"));
        m_pSpeedNote->setWordWrap(true);
        m_pSpeedNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        retranslate();
        layout(m_dScale);
    }
    m_pSpeedNote->setVisible(bShow);
}

void KivoPointSpeed::retranslate()
{
    // The page carries its own font (set at each refresh): a new language brings its own.
    setFont(AppSettings::currentFont(m_dScale));
    m_pSliderTitle->setText(tr("Key Response"));
    m_pSpinTitle->setText(tr("SCROLL SPEED"));
    for (int p = 0; p < PairCount; ++p) {
        m_pPairTitles[p]->setText(tr(kPairs[p].title));
        m_pBoxes[p][0]->setText(tr(kPairs[p].first));
        m_pBoxes[p][1]->setText(tr(kPairs[p].second));
    }
    m_pMouseButton->setText(tr("Mouse Setting"));
    if (m_pSpeedNote)
        m_pSpeedNote->setText(tr("The desktop's own mouse settings set the pointer speed."));
}

void KivoPointSpeed::layout(double dScale)
{
    m_dScale = dScale;
    m_pSliderTitle->setGeometry(PageGeometry::rect(8, 8, 147, 20, dScale));
    m_pSlider->setGeometry(PageGeometry::rect(8, 30, 115, 20, dScale));
    m_pSliderValue->setGeometry(PageGeometry::rect(128, 30, 30, 20, dScale));
    m_pSpinTitle->setGeometry(PageGeometry::rect(8, 60, 147, 20, dScale));
    m_pSpin->setGeometry(PageGeometry::rect(8, 82, 70, 22, dScale));
    for (int p = 0; p < PairCount; ++p) {
        const int y = 116 + p * 52;
        m_pPairTitles[p]->setGeometry(PageGeometry::rect(8, y, 147, 20, dScale));
        m_pBoxes[p][0]->setGeometry(PageGeometry::rect(8, y + 22, 70, 20, dScale));
        m_pBoxes[p][1]->setGeometry(PageGeometry::rect(82, y + 22, 73, 20, dScale));
    }
    m_pMouseButton->setGeometry(PageGeometry::rect(17, 340, 128, 30, dScale));
    m_pMouseButton->setScale(dScale);
    if (m_pSpeedNote)
        m_pSpeedNote->setGeometry(PageGeometry::rect(8, 376, 150, 60, dScale));
}
