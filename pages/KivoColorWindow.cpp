#include "pages/KivoColorWindow.h"

#include "model/DeviceDescription.h"
#include "model/ProfileData.h"
#include "pages/DefaultColorArea.h"
#include "pages/KivoColorArea.h"
#include "widgets/KivoPushButton.h"
#include "widgets/SkinStyleSheet.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>

namespace {
const char* const kEffectNames[KivoColorWindow::kEffectCount] = {
    QT_TRANSLATE_NOOP("KivoColorWindow", "OFF"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "FULL LIGHTED"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "7 COLOR"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "BREATHING"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "7 COLOR BREATHING"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "RAINBOW"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "WAVE"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "Single WAVE"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "yo-yo"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "7 COLOR with tail"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "REACTIVE"),
    QT_TRANSLATE_NOOP("KivoColorWindow", "Tri-color running")};

// Brightness, speed, colour per effect.
const bool kControls[KivoColorWindow::kEffectCount][3] = {
    {false, false, false}, {true, false, true}, {true, true, false}, {false, false, true},
    {false, true, false},  {true, true, false}, {true, true, false}, {true, true, false},
    {true, true, false},   {true, true, false}, {true, true, true},  {true, true, false}};

// OFF comes last in the menu.
const int kMenuOrder[KivoColorWindow::kEffectCount] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0};

const int kBrightMin = 1;
const int kBrightMax = 3;
const int kSpeedMin = 1;
const int kSpeedMax = 5;
} // namespace

KivoColorWindow::Controls KivoColorWindow::controlsOf(int iEffect)
{
    Controls controls;
    if (iEffect < 0 || iEffect >= kEffectCount)
        return controls;
    controls.bBright = kControls[iEffect][0];
    controls.bSpeed = kControls[iEffect][1];
    controls.bColor = kControls[iEffect][2];
    return controls;
}

int KivoColorWindow::menuEffect(int iPos)
{
    return iPos >= 0 && iPos < kEffectCount ? kMenuOrder[iPos] : -1;
}

const char* KivoColorWindow::effectKey(int iEffect)
{
    return iEffect >= 0 && iEffect < kEffectCount ? kEffectNames[iEffect] : nullptr;
}

QString KivoColorWindow::effectName(int iEffect)
{
    if (iEffect < 0 || iEffect >= kEffectCount)
        return QString();
    return tr(kEffectNames[iEffect]);
}

int KivoColorWindow::lightingSlot(const QString& productName, int iCurrent)
{
    return productName == QLatin1String("4460") ? 0 : iCurrent;
}

KivoColorWindow::KivoColorWindow(QWidget* parent, double dScale)
    : QWidget(parent), m_dScale(dScale > 0 ? dScale : 1.0)
{
    setObjectName("KivoColorWindow");
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(SkinStyleSheet::pages(m_dScale));
    resize(qRound(kWidth * m_dScale), qRound(kHeight * m_dScale));
    buildControls();
    placeControls();
    rebuildEffectMenu();
    retranslate();
    showEffect(Off);
}

QRect KivoColorWindow::scaledRect(int x, int y, int w, int h) const
{
    return QRect(qRound(x * m_dScale), qRound(y * m_dScale), qRound(w * m_dScale),
                 qRound(h * m_dScale));
}

QLabel* KivoColorWindow::titleLabel(const char* name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setProperty("role", "title");
    return label;
}

QSlider* KivoColorWindow::slider(int iMin, int iMax, const char* name)
{
    auto* s = new QSlider(Qt::Horizontal, this);
    s->setObjectName(name);
    s->setRange(iMin, iMax);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setCursor(Qt::PointingHandCursor);
    connect(s, &QSlider::valueChanged, this, &KivoColorWindow::slotSliderMouseChange);
    // A stored value outside the range shows at the nearest end; letting go of the handle there
    // stores what is shown, although the value did not change.
    connect(s, &QSlider::sliderReleased, this, &KivoColorWindow::slotSliderMouseChange);
    return s;
}

void KivoColorWindow::buildControls()
{
    m_pEffectLabel = titleLabel("effectLabel");
    m_pEffectButton = new KivoPushButton(
        KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"}), this, m_dScale);
    m_pEffectButton->setObjectName("effectButton");
    QFont buttonFont = font();
    buttonFont.setPixelSize(qRound(13 * m_dScale));
    buttonFont.setBold(true);
    m_pEffectButton->setFont(buttonFont);
    m_pEffectMenu = new QMenu(this);
    m_pEffectMenu->setObjectName("effectMenu");
    m_pEffectButton->setMenu(m_pEffectMenu);
    m_pEffectButton->setMenuArrow(true);
    m_pEffectGroup = new QActionGroup(this);
    connect(m_pEffectMenu, &QMenu::triggered, this,
            [this](QAction* action) { selectEffect(action->data().toInt()); });

    m_pBrightLabel = titleLabel("brightnessLabel");
    m_pBrightSlider = slider(kBrightMin, kBrightMax, "brightnessSlider");
    m_pSpeedLabel = titleLabel("speedLabel");
    m_pSpeedSlider = slider(kSpeedMin, kSpeedMax, "speedSlider");

    m_pColorLabel = titleLabel("colorLabel");
    m_pColorButton = new DefaultColorArea(QColor(), this);
    m_pColorButton->setObjectName("colorButton");
    connect(m_pColorButton, &DefaultColorArea::ClickedSignal, this,
            &KivoColorWindow::color_clicked);
    for (int i = 0; i < kSwatchCount; ++i) {
        m_pSwatches[i] = new DefaultColorArea(QColor(), this);
        m_pSwatches[i]->setObjectName(QStringLiteral("swatch%1").arg(i));
        connect(m_pSwatches[i], &DefaultColorArea::ClickedSignal, this,
                &KivoColorWindow::color_clicked);
    }

    m_pSleepLabel = titleLabel("sleepLabel");
    m_pSleepSlider =
        slider(DeviceDescription::sleepMin(), DeviceDescription::sleepMax(), "sleepSlider");
    m_pSleepValue = new QLabel(this);
    m_pSleepValue->setObjectName("sleepValue");
    m_pSleepValue->setProperty("role", "value");
    m_pMoveOff = new QCheckBox(this);
    m_pMoveOff->setObjectName("moveOffCheck");
    m_pMoveOff->setCursor(Qt::PointingHandCursor);
    connect(m_pMoveOff, &QCheckBox::clicked, this, &KivoColorWindow::checkbtn_clicked);
}

void KivoColorWindow::placeControls()
{
    m_pEffectLabel->setGeometry(scaledRect(40, 40, 150, 30));
    m_pEffectButton->setGeometry(scaledRect(200, 40, 230, 30));
    m_pEffectMenu->setMinimumWidth(m_pEffectButton->width());
    m_pBrightLabel->setGeometry(scaledRect(40, 104, 150, 26));
    m_pBrightSlider->setGeometry(scaledRect(200, 104, 260, 26));
    m_pSpeedLabel->setGeometry(scaledRect(40, 154, 150, 26));
    m_pSpeedSlider->setGeometry(scaledRect(200, 154, 260, 26));
    m_pColorLabel->setGeometry(scaledRect(40, 204, 150, 26));
    m_pColorButton->setGeometry(scaledRect(200, 201, 56, 32));
    for (int i = 0; i < kSwatchCount; ++i)
        m_pSwatches[i]->setGeometry(scaledRect(280 + 34 * i, 205, 24, 24));
    m_pSleepLabel->setGeometry(scaledRect(40, 300, 150, 26));
    m_pSleepSlider->setGeometry(scaledRect(200, 300, 260, 26));
    m_pSleepValue->setGeometry(scaledRect(476, 300, 200, 26));
    m_pMoveOff->setGeometry(scaledRect(40, 350, 500, 30));
}

void KivoColorWindow::paintEvent(QPaintEvent*)
{
    // A rule between the lighting effect and the power settings.
    QPainter painter(this);
    painter.fillRect(scaledRect(40, 268, 620, 1), QColor(0x2b, 0x30, 0x37));
}

void KivoColorWindow::retranslate()
{
    m_pEffectLabel->setText(tr("EFFECT"));
    m_pBrightLabel->setText(tr("BRIGHTNESS"));
    m_pSpeedLabel->setText(tr("SPEED"));
    m_pColorLabel->setText(tr("COLOR"));
    m_pSleepLabel->setText(tr("SLEEP TIME"));
    m_pMoveOff->setText(tr("MOVE TO LIGHT OFF"));
    m_pEffectButton->setText(m_pProfileData ? effectName(m_pProfileData->LedMode) : QString());
    for (QAction* action : m_pEffectMenu->actions())
        action->setText(effectName(action->data().toInt()));
    showSleep();
}

void KivoColorWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KivoColorWindow::rebuildEffectMenu()
{
    m_pEffectMenu->clear();
    for (QAction* action : m_pEffectGroup->actions())
        m_pEffectGroup->removeAction(action);
    for (int pos = 0; pos < kEffectCount; ++pos) {
        const int effect = menuEffect(pos);
        QAction* action = m_pEffectMenu->addAction(effectName(effect));
        action->setData(effect);
        action->setCheckable(true);
        action->setChecked(m_pProfileData && m_pProfileData->LedMode == effect);
        m_pEffectGroup->addAction(action);
    }
}

void KivoColorWindow::loadProfile(ProfileData* pProfile, int iProfile)
{
    m_pProfileData = pProfile;
    m_iProfile = iProfile;
    // The description is read afresh: another model may have been chosen since.
    {
        const QSignalBlocker blocker(m_pSleepSlider);
        const int lo = DeviceDescription::sleepMin();
        const int hi = DeviceDescription::sleepMax();
        m_pSleepSlider->setRange(qMin(lo, hi), qMax(lo, hi));
    }
    const bool bSleep = DeviceDescription::showSleep() != 0;
    m_pSleepLabel->setVisible(bSleep);
    m_pSleepSlider->setVisible(bSleep);
    m_pSleepValue->setVisible(bSleep);
    showEffect(pProfile ? pProfile->LedMode : int(Off));
    if (pProfile) {
        const QSignalBlocker blocker(m_pSleepSlider);
        m_pSleepSlider->setValue(pProfile->LedSleepTime);
        m_pMoveOff->setChecked(pProfile->LedMoveOFF == 0);
    }
    showColors();
    rebuildEffectMenu();
    retranslate();
    if (pProfile) {
        const QColor c = pProfile->activeLed().colour;
        qDebug("lighting page: slot %d effect %d r=%d g=%d b=%d", iProfile, int(pProfile->LedMode),
               c.red(), c.green(), c.blue());
    }
}

void KivoColorWindow::showEffect(int iEffect)
{
    const Controls controls = controlsOf(iEffect);
    m_pBrightLabel->setVisible(controls.bBright);
    m_pBrightSlider->setVisible(controls.bBright);
    m_pSpeedLabel->setVisible(controls.bSpeed);
    m_pSpeedSlider->setVisible(controls.bSpeed);
    m_pColorLabel->setVisible(controls.bColor);
    m_pColorButton->setVisible(controls.bColor);
    for (DefaultColorArea* swatch : m_pSwatches)
        swatch->setVisible(controls.bColor);
    m_pEffectButton->setText(effectName(iEffect));
    for (QAction* action : m_pEffectMenu->actions())
        action->setChecked(action->data().toInt() == iEffect);
    if (!m_pProfileData)
        return;
    // Shown as stored; a value outside the slider's range is left alone until the user moves it.
    const LedSetting& led = m_pProfileData->LedInfo[iEffect % ProfileData::kLedModeCount];
    const QSignalBlocker brightBlocker(m_pBrightSlider);
    const QSignalBlocker speedBlocker(m_pSpeedSlider);
    m_pBrightSlider->setValue(int(qMin<quint32>(led.bright, kBrightMax)));
    m_pSpeedSlider->setValue(int(qMin<quint32>(led.breath, kSpeedMax)));
    m_pColorButton->setColor(led.colour);
}

void KivoColorWindow::showColors()
{
    for (int i = 0; i < kSwatchCount; ++i)
        m_pSwatches[i]->setColor(m_pProfileData ? m_pProfileData->LedInfo[i].colour : QColor());
    if (m_pProfileData)
        m_pColorButton->setColor(m_pProfileData->activeLed().colour);
}

void KivoColorWindow::showSleep()
{
    m_pSleepValue->setText(QStringLiteral("%1 %2").arg(m_pSleepSlider->value()).arg(tr("MINUTE")));
}

void KivoColorWindow::selectEffect(int iEffect)
{
    if (!m_pProfileData || iEffect < 0 || iEffect >= kEffectCount)
        return;
    m_pProfileData->LedMode = quint8(iEffect);
    showEffect(iEffect);
    const QColor c = m_pProfileData->LedInfo[iEffect].colour;
    qDebug("EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", m_iProfile, iEffect, c.red(),
           c.green(), c.blue());
}

void KivoColorWindow::slotSliderMouseChange()
{
    QObject* source = sender();
    if (source == m_pSleepSlider) {
        showSleep();
        if (m_pProfileData)
            m_pProfileData->LedSleepTime = quint8(m_pSleepSlider->value());
        return;
    }
    if (!m_pProfileData)
        return;
    LedSetting& led = m_pProfileData->activeLed();
    if (source == m_pBrightSlider)
        led.bright = quint32(m_pBrightSlider->value());
    else if (source == m_pSpeedSlider)
        led.breath = quint32(m_pSpeedSlider->value());
}

void KivoColorWindow::slotSendLedState(QColor color)
{
    if (!m_pProfileData || !color.isValid())
        return;
    const QColor rgb = color.toRgb();
    m_pProfileData->activeLed().setColour(rgb);
    qDebug("slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", m_iProfile,
           int(m_pProfileData->LedMode), rgb.red(), rgb.green(), rgb.blue());
    showColors();
}

void KivoColorWindow::slotApplyColor()
{
    // The colour button's colour becomes the current effect's colour.
    slotSendLedState(m_pColorButton->color());
}

void KivoColorWindow::color_clicked()
{
    if (!m_pProfileData)
        return;
    auto* source = qobject_cast<DefaultColorArea*>(sender());
    QColor start = m_pProfileData->activeLed().colour;
    for (int i = 0; i < kSwatchCount; ++i) {
        if (source == m_pSwatches[i])
            start = m_pProfileData->LedInfo[i].colour;
    }
    KivoColorArea picker(this, m_dScale);
    picker.setColor(start);
    if (picker.exec() != QDialog::Accepted)
        return;
    m_pColorButton->setColor(picker.color());
    slotApplyColor();
}

void KivoColorWindow::checkbtn_clicked()
{
    if (m_pProfileData)
        m_pProfileData->LedMoveOFF = m_pMoveOff->isChecked() ? 0 : 0xFF;
}
