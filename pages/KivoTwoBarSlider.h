#pragma once

#include <QWidget>

class QSlider;

// The sliders of one DPI level: X and Y one above the other, or in link mode a single slider that
// moves both. All three share one range of step codes. The values are kept as given, so a
// loaded value beyond the range stays what it is until the user moves a slider.
class KivoTwoBarSlider : public QWidget
{
    Q_OBJECT
public:
    explicit KivoTwoBarSlider(QWidget* parent = nullptr);

    void setRange(int iMin, int iMax);
    // Link mode shows the single slider, which stands at X and moves X and Y together.
    void setLink(bool bLink);
    // The X and Y sliders share the height of one: their handles are made to fit half of it.
    void setScale(double dScale);
    // Values as loaded: nothing is reported.
    void setValues(int iX, int iY);
    int xValue() const { return m_iX; }
    int yValue() const { return m_iY; }

    QSlider* xSlider() const { return m_pX; }
    QSlider* ySlider() const { return m_pY; }
    QSlider* singleSlider() const { return m_pSingle; }

signals:
    void SliderChangedSignal(int iX, int iY);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSlider* makeSlider(const char* name);
    void showPositions();
    void placeSliders();

    QSlider* m_pX;
    QSlider* m_pY;
    QSlider* m_pSingle;
    int m_iX = 0;
    int m_iY = 0;
};
