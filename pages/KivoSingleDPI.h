#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class KivoLabel;
class KivoTwoBarSlider;
class QCheckBox;
class QLabel;
struct DpiSensorRange;

// One DPI level of the DPI page: its title, the sensor's range at both ends of the sliders, the
// X and Y sliders (or the linked one), the "Link XY" and used check boxes and the values in DPI.
// It keeps the level's step codes and flags and reports each change with the level's index.
class KivoSingleDPI : public QWidget
{
    Q_OBJECT
public:
    KivoSingleDPI(quint8 iIndex, QWidget* parent = nullptr);

    // The sensor the values are shown for, and its range; without a range the row keeps the
    // range and labels it was built with.
    void configure(int iSensor, const DpiSensorRange* range);
    // The step within [iMinStep, iMaxStep] whose DPI on `iSensor` is nearest `iDpi` (the lower
    // one of two as near).
    static int stepForDpi(int iDpi, int iSensor, int iMinStep, int iMaxStep);
    // A value typed for the X, Y or DPI label (the DPI label stands for both), brought to the
    // nearest step of the range and reported as a slider move would be.
    void setTypedDpi(const KivoLabel* label, int iDpi);
    // Opens a field over the X, Y or DPI label to type its value.
    void editValue(KivoLabel* label);
    // Loaded values: nothing is reported.
    void setLink(quint8 iLink);
    void setSteps(quint32 iX, quint32 iY);
    void setUsed(quint8 iUsed);
    // The stage row is drawn on the accent colour, every other row in the standard colours.
    void setSelected(bool bSelected, const QColor& accent);

    void retranslate();
    void layout(double dScale);

    quint8 index() const { return m_iIndex; }
    int sensor() const { return m_iSensor; }
    quint8 link() const { return m_iLink; }
    quint8 used() const { return m_iUsed; }
    bool isSelected() const { return m_bSelected; }

    KivoTwoBarSlider* slider() const { return m_pSlider; }
    QCheckBox* linkBox() const { return m_pLinkBox; }
    QCheckBox* usedBox() const { return m_pUsedBox; }
    QLabel* minLabel() const { return m_pMin; }
    QLabel* maxLabel() const { return m_pMax; }
    KivoLabel* titleLabel() const { return m_pTitle; }
    KivoLabel* xLabel() const { return m_pXLabel; }
    KivoLabel* yLabel() const { return m_pYLabel; }
    KivoLabel* dpiLabel() const { return m_pDpiLabel; }

signals:
    void DPISignal(int iX, int iY, quint8 iIndex);
    void LinkSignal(quint8 iLink, quint8 iIndex);
    void EnableSignal(quint8 iUsed, quint8 iIndex);
    void MouseinSignal(quint8 iIndex);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int iX, int iY);
    void slotLabelClick(KivoLabel* label);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KivoLabel* makeLabel(const char* name);
    void showValues();
    // Places the sliders for the link state: one, or X and Y each on its own line.
    void placeSliders();
    // An unused level is drawn dimmed; only its used box stays live.
    void showUsed();

    int m_iSensor = 0;
    quint32 m_iX = 0;
    quint32 m_iY = 0;
    quint8 m_iIndex;
    quint8 m_iLink = 0;
    quint8 m_iUsed = 0;
    bool m_bSelected = false;
    double m_dScale = 1.0;
    QPalette m_StandardPalette;

    KivoLabel* m_pTitle;
    QLabel* m_pMin;
    QLabel* m_pMax;
    KivoTwoBarSlider* m_pSlider;
    QCheckBox* m_pLinkBox;
    QCheckBox* m_pUsedBox;
    QLabel* m_pXTag;
    QLabel* m_pYTag;
    KivoLabel* m_pXLabel;
    KivoLabel* m_pYLabel;
    KivoLabel* m_pDpiLabel;
    QPixmap m_On;
    QPixmap m_Off;
};
