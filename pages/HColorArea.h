#pragma once

#include <QWidget>

// The colour picker's vertical hue bar: 0 at the top to 360 at the bottom. Pressing or dragging
// picks the hue under the pointer; releasing tells the picker that a choice was made.
class HColorArea : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxHue = 360;

    explicit HColorArea(QWidget* parent = nullptr);

    int hue() const { return m_iHue; }
    // Moves the marker without a signal: the picker calls it while it updates its controls.
    void setHue(int iHue);
    // The hue at row iY of a bar iHeight pixels high.
    static int hueAt(int iY, int iHeight);

signals:
    void hueChangedSignal(int iHue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(int iY);

    int m_iHue = 0;
    bool m_bPressed = false;
};
