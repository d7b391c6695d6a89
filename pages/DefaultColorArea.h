#pragma once

#include <QColor>
#include <QWidget>

// One colour swatch: a filled square that reports a press. The colour picker's default colours,
// the lighting page's colour button and its swatches are all of this kind.
class DefaultColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit DefaultColorArea(const QColor& color = QColor(), QWidget* parent = nullptr);

    QColor color() const { return m_Color; }
    void setColor(const QColor& color);

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_Color;
};
