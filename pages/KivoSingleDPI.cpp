#include "pages/KivoSingleDPI.h"

#include "model/AppPaths.h"
#include "model/DpiSensorRange.h"
#include "model/ProfileRules.h"
#include "pages/DpiValueEditor.h"
#include "pages/KivoLabel.h"
#include "pages/KivoTwoBarSlider.h"
#include "widgets/PageGeometry.h"

#include <QCheckBox>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>

KivoSingleDPI::KivoSingleDPI(quint8 iIndex, QWidget* parent)
    : QWidget(parent), m_iIndex(iIndex), m_On(AppPaths::skinDir() + "/DPI-ON.png"),
      m_Off(AppPaths::skinDir() + "/DPI-OFF.png")
{
    m_pTitle = makeLabel("title");
    m_pMin = new QLabel(this);
    m_pMin->setObjectName("minLabel");
    m_pMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pMax = new QLabel(this);
    m_pMax->setObjectName("maxLabel");
    m_pMax->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pSlider = new KivoTwoBarSlider(this);
    m_pLinkBox = new QCheckBox(this);
    m_pLinkBox->setObjectName("linkBox");
    m_pUsedBox = new QCheckBox(this);
    m_pUsedBox->setObjectName("usedBox");
    m_pXTag = new QLabel(QStringLiteral("X"), this);
    m_pXTag->setObjectName("xTag");
    m_pYTag = new QLabel(QStringLiteral("Y"), this);
    m_pYTag->setObjectName("yTag");
    for (QLabel* tag : {m_pXTag, m_pYTag})
        tag->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pXLabel = makeLabel("xLabel");
    m_pYLabel = makeLabel("yLabel");
    m_pDpiLabel = makeLabel("dpiLabel");
    m_StandardPalette = palette();

    connect(m_pSlider, &KivoTwoBarSlider::SliderChangedSignal, this,
            &KivoSingleDPI::onSliderChanged);
    connect(m_pLinkBox, &QCheckBox::stateChanged, this, &KivoSingleDPI::onStateChanged);
    connect(m_pUsedBox, &QCheckBox::stateChanged, this, &KivoSingleDPI::onStateChanged);
    setSelected(false, QColor());
    showValues();
    retranslate();
    placeSliders();
    showUsed();
}

KivoLabel* KivoSingleDPI::makeLabel(const char* name)
{
    auto* label = new KivoLabel(this);
    label->setObjectName(name);
    connect(label, &KivoLabel::EnterSignal, this, &KivoSingleDPI::slotLabelClick);
    if (qstrcmp(name, "title") != 0)
        connect(label, &KivoLabel::EditSignal, this, &KivoSingleDPI::editValue);
    return label;
}

void KivoSingleDPI::configure(int iSensor, const DpiSensorRange* range)
{
    m_iSensor = iSensor;
    if (range) {
        m_pMin->setText(QString::number(range->iMinLabel));
        m_pMax->setText(QString::number(range->iMaxLabel));
        m_pSlider->setRange(range->iMinStep, range->iMaxStep);
        m_pLinkBox->setVisible(range->bLinkOffered);
    }
    showValues();
}

int KivoSingleDPI::stepForDpi(int iDpi, int iSensor, int iMinStep, int iMaxStep)
{
    // The sensors' tables are not all linear: the nearest is looked for among the steps.
    int best = iMinStep;
    int bestDistance = INT_MAX;
    for (int step = iMinStep; step <= iMaxStep; ++step) {
        const int distance = qAbs(ProfileRules::dpiOfStep(quint32(qMax(0, step)), iSensor) - iDpi);
        if (distance < bestDistance) {
            best = step;
            bestDistance = distance;
        }
    }
    return best;
}

void KivoSingleDPI::setTypedDpi(const KivoLabel* label, int iDpi)
{
    const QSlider* bar = m_pSlider->xSlider();
    const int step = stepForDpi(iDpi, m_iSensor, bar->minimum(), bar->maximum());
    const bool both = m_iLink == 1 || label == m_pDpiLabel;
    const int x = both || label == m_pXLabel ? step : int(m_iX);
    const int y = both || label == m_pYLabel ? step : int(m_iY);
    m_pSlider->setValues(x, y);
    onSliderChanged(x, y);
}

void KivoSingleDPI::editValue(KivoLabel* label)
{
    if (m_iUsed == 0)
        return;
    const int shown = ProfileRules::dpiOfStep(label == m_pXLabel ? m_iX : m_iY, m_iSensor);
    const QSlider* bar = m_pSlider->xSlider();
    auto* editor = new DpiValueEditor(
        label, shown, ProfileRules::dpiOfStep(quint32(qMax(0, bar->maximum())), m_iSensor));
    connect(editor, &DpiValueEditor::valueEntered, this,
            [this, label](int iDpi) { setTypedDpi(label, iDpi); });
}

void KivoSingleDPI::setLink(quint8 iLink)
{
    m_iLink = iLink;
    const QSignalBlocker block(m_pLinkBox);
    m_pLinkBox->setChecked(iLink == 1);
    // Loaded as it is: a linked level whose X and Y differ keeps both until the user moves it.
    m_pSlider->setLink(iLink == 1);
    placeSliders();
}

void KivoSingleDPI::setSteps(quint32 iX, quint32 iY)
{
    m_iX = iX;
    m_iY = iY;
    m_pSlider->setValues(int(qMin<quint32>(iX, INT_MAX)), int(qMin<quint32>(iY, INT_MAX)));
    showValues();
}

void KivoSingleDPI::setUsed(quint8 iUsed)
{
    m_iUsed = iUsed;
    const QSignalBlocker block(m_pUsedBox);
    m_pUsedBox->setChecked(iUsed != 0);
    showUsed();
}

void KivoSingleDPI::setSelected(bool bSelected, const QColor& accent)
{
    m_bSelected = bSelected;
    // The stage row takes the accent as its background colour; its texts keep the standard
    // colour, which stays readable on every accent.
    QPalette pal = m_StandardPalette;
    if (bSelected && accent.isValid())
        pal.setColor(QPalette::Window, accent);
    setPalette(pal);
    update();
}

void KivoSingleDPI::retranslate()
{
    m_pTitle->setText(tr("DPI") + QString::asprintf(" %d", m_iIndex + 1));
    m_pLinkBox->setText(tr("Link XY"));
    m_pUsedBox->setText(tr("Use"));
    m_pUsedBox->setToolTip(tr("Use this DPI level"));
    for (KivoLabel* value : {m_pXLabel, m_pYLabel, m_pDpiLabel})
        value->setToolTip(tr("Double-click to type the value"));
    showValues();
}

void KivoSingleDPI::layout(double dScale)
{
    m_dScale = dScale;
    m_pTitle->setGeometry(PageGeometry::rect(22, 2, 44, 20, dScale));
    m_pXLabel->setGeometry(PageGeometry::rect(66, 2, 60, 20, dScale));
    m_pYLabel->setGeometry(PageGeometry::rect(126, 2, 60, 20, dScale));
    m_pDpiLabel->setGeometry(PageGeometry::rect(186, 2, 78, 20, dScale));
    m_pLinkBox->setGeometry(PageGeometry::rect(264, 2, 73, 20, dScale));
    m_pUsedBox->setGeometry(PageGeometry::rect(337, 2, 53, 20, dScale));
    m_pMax->setGeometry(PageGeometry::rect(340, 22, 48, 30, dScale));
    m_pSlider->setScale(dScale);
    placeSliders();
}

void KivoSingleDPI::placeSliders()
{
    const bool linked = m_iLink == 1;
    m_pMin->setVisible(linked);
    m_pXTag->setVisible(!linked);
    m_pYTag->setVisible(!linked);
    m_pMin->setGeometry(PageGeometry::rect(2, 22, 44, 30, m_dScale));
    // Apart, X and Y get a line each below the values, named at their left.
    m_pXTag->setGeometry(PageGeometry::rect(2, 22, 40, 17, m_dScale));
    m_pYTag->setGeometry(PageGeometry::rect(2, 39, 40, 17, m_dScale));
    m_pSlider->setGeometry(linked ? PageGeometry::rect(50, 22, 286, 30, m_dScale)
                                  : PageGeometry::rect(50, 22, 286, 34, m_dScale));
}

void KivoSingleDPI::showUsed()
{
    const bool used = m_iUsed != 0;
    for (QWidget* part : {static_cast<QWidget*>(m_pSlider), static_cast<QWidget*>(m_pLinkBox),
                          static_cast<QWidget*>(m_pXLabel), static_cast<QWidget*>(m_pYLabel),
                          static_cast<QWidget*>(m_pDpiLabel), static_cast<QWidget*>(m_pMin),
                          static_cast<QWidget*>(m_pMax), static_cast<QWidget*>(m_pXTag),
                          static_cast<QWidget*>(m_pYTag)})
        part->setEnabled(used);
}

void KivoSingleDPI::onStateChanged(int state)
{
    if (sender() == m_pLinkBox) {
        m_iLink = state == Qt::Checked ? 1 : 0;
        m_pSlider->setLink(m_iLink == 1);
        placeSliders();
        emit LinkSignal(m_iLink, m_iIndex);
        // The single slider stands for one value: linking gives Y the value of X, so that what
        // the row shows is what Apply sends.
        if (m_iLink == 1 && m_iY != m_iX) {
            m_pSlider->setValues(int(qMin<quint32>(m_iX, INT_MAX)),
                                 int(qMin<quint32>(m_iX, INT_MAX)));
            onSliderChanged(m_pSlider->xValue(), m_pSlider->yValue());
        }
    } else if (sender() == m_pUsedBox) {
        m_iUsed = state == Qt::Checked ? 1 : 0;
        showUsed();
        emit EnableSignal(m_iUsed, m_iIndex);
    }
}

void KivoSingleDPI::onSliderChanged(int iX, int iY)
{
    m_iX = quint32(qMax(0, iX));
    m_iY = quint32(qMax(0, iY));
    showValues();
    emit DPISignal(int(m_iX), int(m_iY), m_iIndex);
}

void KivoSingleDPI::slotLabelClick(KivoLabel* label)
{
    Q_UNUSED(label);
    emit MouseinSignal(m_iIndex);
}

void KivoSingleDPI::showValues()
{
    const int x = ProfileRules::dpiOfStep(m_iX, m_iSensor);
    const int y = ProfileRules::dpiOfStep(m_iY, m_iSensor);
    m_pXLabel->setText(tr("X:%d").replace("%d", QString::number(x)));
    m_pYLabel->setText(tr("Y:%d").replace("%d", QString::number(y)));
    m_pDpiLabel->setText(tr("DPI : %d").replace("%d", QString::number(y)));
}

void KivoSingleDPI::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& face = m_bSelected ? m_On : m_Off;
    if (!face.isNull())
        painter.drawPixmap(rect(), face);
    if (m_bSelected) {
        // Inside the row's outline, whose top right corner is cut at 8 of its 390 pixels.
        QColor wash = palette().color(QPalette::Window);
        wash.setAlpha(70);
        const qreal cut = 8.0 * width() / 390.0;
        const QPolygonF outline({QPointF(3, 1), QPointF(width() - 1 - cut, 1),
                                 QPointF(width() - 1, 1 + cut), QPointF(width() - 1, height() - 1),
                                 QPointF(3, height() - 1)});
        painter.setPen(Qt::NoPen);
        painter.setBrush(wash);
        painter.drawPolygon(outline);
    }
}
