#include "pages/KivoTwoBarSlider.h"

#include <QSignalBlocker>
#include <QSlider>

KivoTwoBarSlider::KivoTwoBarSlider(QWidget* parent) : QWidget(parent)
{
    m_pX = makeSlider("xSlider");
    m_pY = makeSlider("ySlider");
    m_pSingle = makeSlider("singleSlider");
    connect(m_pX, &QSlider::valueChanged, this, [this](int v) {
        m_iX = v;
        emit SliderChangedSignal(m_iX, m_iY);
    });
    connect(m_pY, &QSlider::valueChanged, this, [this](int v) {
        m_iY = v;
        emit SliderChangedSignal(m_iX, m_iY);
    });
    connect(m_pSingle, &QSlider::valueChanged, this, [this](int v) {
        m_iX = v;
        m_iY = v;
        emit SliderChangedSignal(m_iX, m_iY);
    });
    setLink(false);
}

QSlider* KivoTwoBarSlider::makeSlider(const char* name)
{
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    return slider;
}

void KivoTwoBarSlider::setRange(int iMin, int iMax)
{
    for (QSlider* slider : {m_pX, m_pY, m_pSingle}) {
        const QSignalBlocker block(slider);
        slider->setRange(iMin, iMax);
    }
    showPositions();
}

void KivoTwoBarSlider::setLink(bool bLink)
{
    m_pSingle->setVisible(bLink);
    m_pX->setVisible(!bLink);
    m_pY->setVisible(!bLink);
    placeSliders();
    showPositions();
}

void KivoTwoBarSlider::setScale(double dScale)
{
    const auto px = [dScale](double v) { return QString::number(qRound(v * dScale)) + "px"; };
    const QString compact =
        QStringLiteral("QSlider { min-height: 0px; }"
                       "QSlider::groove:horizontal { height: %1; }"
                       "QSlider::handle:horizontal { width: %2; margin: -%3 0; }")
            .arg(px(4), px(12), px(4));
    m_pX->setStyleSheet(compact);
    m_pY->setStyleSheet(compact);
}

void KivoTwoBarSlider::setValues(int iX, int iY)
{
    m_iX = iX;
    m_iY = iY;
    showPositions();
}

void KivoTwoBarSlider::showPositions()
{
    // Positions only: a value beyond the range sits at the end without being changed.
    const QSignalBlocker bx(m_pX);
    const QSignalBlocker by(m_pY);
    const QSignalBlocker bs(m_pSingle);
    m_pX->setValue(m_iX);
    m_pY->setValue(m_iY);
    m_pSingle->setValue(m_iX);
}

void KivoTwoBarSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeSliders();
}

void KivoTwoBarSlider::placeSliders()
{
    const int w = width();
    const int half = height() / 2;
    m_pX->setGeometry(0, 0, w, half);
    m_pY->setGeometry(0, half, w, height() - half);
    m_pSingle->setGeometry(0, height() / 4, w, half);
}
