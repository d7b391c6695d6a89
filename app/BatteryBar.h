#pragma once

#include <QColor>
#include <QPixmap>
#include <QProgressBar>

// The battery gauge: a progress bar painted inside the skin's battery outline (bat1.png, or
// bat2.png when the level runs low), with the colours the battery display chooses.
class BatteryBar : public QProgressBar
{
    Q_OBJECT
public:
    static constexpr int kLowLevel = 20;

    explicit BatteryBar(QWidget* parent = nullptr);

    void setColours(const QColor& chunk, const QColor& background, const QColor& text);
    QColor chunkColour() const { return m_Chunk; }
    QColor backgroundColour() const { return m_Background; }
    QColor textColour() const { return m_Text; }
    void setLow(bool bLow);
    bool isLow() const { return m_bLow; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_Normal;
    QPixmap m_LowImage;
    QColor m_Chunk;
    QColor m_Background;
    QColor m_Text;
    bool m_bLow = false;
};
