#pragma once

#include "widgets/KivoPushButton.h"

// A clickable place on the mouse picture. It has no face of its own, so the picture shows
// through; the pointer over it or a selection draws an outline in the accent colour.
class HotspotButton : public KivoPushButton
{
    Q_OBJECT
public:
    HotspotButton(int iGroup, int iIndex, QWidget* parent = nullptr);

    int group() const { return m_iGroup; }
    int index() const { return m_iIndex; }
    void setAccent(const QColor& accent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_iGroup;
    int m_iIndex;
    QColor m_Accent;
};
