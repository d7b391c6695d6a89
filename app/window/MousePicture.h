#pragma once

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVector>

class HotspotButton;
class KivoPushButton;
class QLabel;
class QWidget;

// The picture of the mouse on the customise page: a front and a side view of the current
// device, 20 hotspots on each view (one per mouse button) and the two wheel arrows of the side
// view. Pictures come from skin/mouse/<device>/; the arrows' look depends on the model.
class MousePicture : public QObject
{
    Q_OBJECT
public:
    static constexpr int kHotspotCount = 20;
    enum Group
    {
        FrontGroup = 0,
        SideGroup = 1,
        ArrowGroup = 2
    };

    MousePicture(QWidget* window, const QColor& accent);

    // Model-dependent parts: pictures of `codeName`, arrow images for `productName`.
    void setDevice(const QString& codeName, const QString& productName);
    QString device() const { return m_Device; }

    void setFrontView(bool bFront);
    // Whether the customise page is showing.
    void setPageVisible(bool bVisible);

    // Front view with button n (0..19) lit; -1 shows the plain picture.
    void highlight(int iButton);
    int highlighted() const { return m_iHighlight; }
    void select(int iGroup, int iIndex);

    void layout(double dScale);

    HotspotButton* hotspot(int iGroup, int iIndex) const;
    QVector<HotspotButton*> allHotspots() const;

    // Paths as the model needs them.
    static QString pictureFolder(const QString& codeName);
    static QString sidePicturePath(const QString& codeName); // empty when none is there
    static QStringList arrowImages(const QString& productName, bool bUp);
    static bool usesSecondArrowSet(const QString& productName);
    // Place of a side-view hotspot or arrow on the 316 × 443 side picture (empty: none).
    static QRect sideHotspotRect(const QString& codeName, int iGroup, int iIndex);

private:
    void updateVisibility();
    void readPictures();

    QWidget* m_pWindow;
    QLabel* m_pFront;
    QLabel* m_pSide;
    QVector<HotspotButton*> m_Front;
    QVector<HotspotButton*> m_Side;
    QVector<HotspotButton*> m_Arrows;
    QString m_Device;
    bool m_bFront = true;
    bool m_bPageVisible = false;
    bool m_bPicturesRead = false;
    int m_iHighlight = -1;
    double m_dScale = 1.0;
};
