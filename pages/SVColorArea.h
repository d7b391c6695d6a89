#pragma once

#include <QWidget>

// The colour picker's saturation/value field for the current hue: saturation 0..255 from left to
// right, value 255..0 from top to bottom. Pressing or dragging picks both. The field lies inside
// a margin that leaves room for the marker; a press in the margin picks the nearest edge.
class SVColorArea : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMax = 255;

    explicit SVColorArea(QWidget* parent = nullptr);

    int hue() const { return m_iHue; }
    int saturation() const { return m_iSat; }
    int value() const { return m_iVal; }
    // Moves the field and its marker without a signal.
    void setHsv(int iHue, int iSat, int iVal);
    void setMargin(int iMargin);
    // Saturation and value under a point of a field of the given size.
    static int saturationAt(int iX, int iWidth);
    static int valueAt(int iY, int iHeight);

signals:
    void svChangedSignal(int iHue, int iSat, int iVal);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int iHue);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(const QPoint& pos);
    QRect field() const;

    int m_iHue = 0;
    int m_iSat = kMax;
    int m_iVal = kMax;
    bool m_bPressed = false;
    int m_iMargin = 0;
};
