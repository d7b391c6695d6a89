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
    // The skin's warning colour: the gauge and its outline at low levels.
    static QColor warningColour() { return QColor(0xff, 0xb0, 0x20); }

    explicit BatteryBar(QWidget* parent = nullptr);

    // `text` is the colour asked for; where it would not be readable on the chunk or the
    // background, the text is drawn in black or white instead over that part (see
    // textColourOver()).
    void setColours(const QColor& chunk, const QColor& background, const QColor& text);
    // The colour the text is drawn in over `fill`: the one asked for when it reads well there.
    QColor textColourOver(const QColor& fill) const;
    QColor chunkColour() const { return m_Chunk; }
    void setLow(bool bLow);

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
