#pragma once

#include <QColor>
#include <QWidget>

// The colour picker's preview of the colour being chosen. A change from the hue bar or the
// saturation/value field passes through it on its way to the picker's edits.
class PreviewColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget* parent = nullptr);

    QColor color() const { return m_Color; }
    // Shows a colour without a signal.
    void setColor(const QColor& color);

signals:
    void svChangedSignal(int iHue, int iSat, int iVal);

public slots:
    void svChangedSlot(int iHue, int iSat, int iVal);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_Color = QColor(255, 0, 0);
};
