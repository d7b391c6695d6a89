#include "app/window/MousePicture.h"
#include "widgets/SkinImage.h"

#include "app/window/HotspotButton.h"
#include "app/window/MainLayout.h"
#include "app/window/UiScale.h"
#include "model/AppPaths.h"

#include <QDir>
#include <QLabel>

namespace {
// Models whose wheel arrows take the hexagonal images.
const char* const kSecondArrowSet[] = {
    "ALDER2",   "BIRCH",     "CEDAR",      "ELM FPS",  "ELM",  "SEQUOIA", "SEQUOIA3", "GINKGO",
    "4410",     "HAZEL-RGB", "4410-Q7777", "IRONWOOD", "K115", "K116",    "K120-RGB", "LARCH",
    "K121-PRO", "K121-RGB",  "K121-RGB2",  "MAPLE2",   "OAK2", "PINE"};

struct SideSpot
{
    const char* device;
    int group;
    int index; // button number - 1 on the side view; 0 up, 1 down for the arrows
    QRect rect;
};

// Where the thumb buttons and the wheel are on each model's side picture.
const SideSpot kSideSpots[] = {
    {"HORNBEAM", MousePicture::SideGroup, 7, QRect(120, 122, 28, 52)},
    {"HORNBEAM", MousePicture::SideGroup, 3, QRect(138, 168, 34, 60)},
    {"HORNBEAM", MousePicture::SideGroup, 4, QRect(143, 224, 33, 60)},
    {"HORNBEAM", MousePicture::ArrowGroup, 0, QRect(194, 46, 24, 24)},
    {"HORNBEAM", MousePicture::ArrowGroup, 1, QRect(194, 90, 24, 24)},
    {"LINDEN", MousePicture::SideGroup, 3, QRect(134, 160, 34, 60)},
    {"LINDEN", MousePicture::SideGroup, 4, QRect(140, 218, 32, 58)},
    {"LINDEN", MousePicture::ArrowGroup, 0, QRect(182, 38, 24, 24)},
    {"LINDEN", MousePicture::ArrowGroup, 1, QRect(182, 82, 24, 24)},
    {"TAMARACK", MousePicture::SideGroup, 3, QRect(138, 184, 34, 56)},
    {"TAMARACK", MousePicture::SideGroup, 4, QRect(144, 238, 32, 54)},
    {"TAMARACK", MousePicture::ArrowGroup, 0, QRect(190, 70, 24, 24)},
    {"TAMARACK", MousePicture::ArrowGroup, 1, QRect(190, 110, 24, 24)},
};

QLabel* pictureLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setScaledContents(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->hide();
    return label;
}
} // namespace

MousePicture::MousePicture(QWidget* window, const QColor& accent)
    : QObject(window), m_pWindow(window)
{
    m_pFront = pictureLabel(window, "frontPicture");
    m_pSide = pictureLabel(window, "sidePicture");
    for (int i = 0; i < kHotspotCount; ++i) {
        m_Front << new HotspotButton(FrontGroup, i, window);
        m_Side << new HotspotButton(SideGroup, i, window);
    }
    for (int i = 0; i < 2; ++i) {
        auto* arrow = new HotspotButton(ArrowGroup, i, window);
        m_Arrows << arrow;
    }
    for (HotspotButton* button : allHotspots()) {
        button->setAccent(accent);
        button->hide();
    }
}

QString MousePicture::pictureFolder(const QString& codeName)
{
    return AppPaths::skinDir() + "/mouse/" + codeName + "/";
}

QString MousePicture::sidePicturePath(const QString& codeName)
{
    if (codeName.isEmpty())
        return QString();
    const QDir folder(pictureFolder(codeName));
    const QStringList found =
        folder.entryList({QStringLiteral("*_Side.png")}, QDir::Files, QDir::Name);
    return found.isEmpty() ? QString() : folder.filePath(found.first());
}

bool MousePicture::usesSecondArrowSet(const QString& productName)
{
    for (const char* name : kSecondArrowSet) {
        if (productName == QLatin1String(name))
            return true;
    }
    return false;
}

QStringList MousePicture::arrowImages(const QString& productName, bool bUp)
{
    const bool second = usesSecondArrowSet(productName);
    const QString stem = bUp ? QStringLiteral("btn_up") : QStringLiteral("btn_down");
    // Normal face first, then the hover face.
    return KivoPushButton::skinImages(
        {stem + (second ? "4.png" : "2.png"), stem + (second ? "3.png" : "1.png")});
}

QRect MousePicture::sideHotspotRect(const QString& codeName, int iGroup, int iIndex)
{
    for (const SideSpot& spot : kSideSpots) {
        if (codeName == QLatin1String(spot.device) && spot.group == iGroup && spot.index == iIndex)
            return spot.rect;
    }
    return QRect();
}

void MousePicture::setDevice(const QString& codeName, const QString& productName)
{
    m_Device = codeName;
    m_iHighlight = -1;
    // The pictures are read when their page first shows them, not before the first frame.
    m_bPicturesRead = false;
    m_pFront->setPixmap(QPixmap());
    m_pSide->setPixmap(QPixmap());
    if (m_bPageVisible)
        readPictures();
    m_Arrows[0]->setImages(arrowImages(productName, true));
    m_Arrows[1]->setImages(arrowImages(productName, false));
    layout(m_dScale);
}

void MousePicture::readPictures()
{
    m_bPicturesRead = true;
    if (m_Device.isEmpty())
        return;
    m_pFront->setPixmap(SkinImage::load(pictureFolder(m_Device) + "Mouse.png"));
    const QString side = sidePicturePath(m_Device);
    m_pSide->setPixmap(side.isEmpty() ? QPixmap() : SkinImage::load(side));
    if (m_iHighlight >= 0)
        highlight(m_iHighlight);
}

void MousePicture::setFrontView(bool bFront)
{
    m_bFront = bFront;
    updateVisibility();
}

void MousePicture::setPageVisible(bool bVisible)
{
    m_bPageVisible = bVisible;
    if (bVisible && !m_bPicturesRead)
        readPictures();
    updateVisibility();
}

void MousePicture::updateVisibility()
{
    const bool front = m_bPageVisible && m_bFront;
    const bool side = m_bPageVisible && !m_bFront;
    m_pFront->setVisible(front);
    m_pSide->setVisible(side);
    for (HotspotButton* b : m_Front)
        b->setVisible(front);
    for (HotspotButton* b : m_Side)
        b->setVisible(side);
    for (HotspotButton* b : m_Arrows)
        b->setVisible(side);
    if (front)
        m_pFront->lower();
    if (side)
        m_pSide->lower();
}

void MousePicture::highlight(int iButton)
{
    if (m_Device.isEmpty())
        return;
    const QString folder = pictureFolder(m_Device);
    if (iButton >= 0 && iButton < kHotspotCount) {
        const QPixmap lit =
            SkinImage::load(folder + QString::asprintf("mouse_%d.png", iButton + 1));
        if (!lit.isNull()) {
            m_pFront->setPixmap(lit);
            m_iHighlight = iButton;
            return;
        }
    }
    m_pFront->setPixmap(SkinImage::load(folder + "Mouse.png"));
    m_iHighlight = -1;
}

void MousePicture::select(int iGroup, int iIndex)
{
    for (HotspotButton* b : allHotspots())
        b->setChecked(b->group() == iGroup && b->index() == iIndex);
}

HotspotButton* MousePicture::hotspot(int iGroup, int iIndex) const
{
    const QVector<HotspotButton*>& list = iGroup == FrontGroup  ? m_Front
                                          : iGroup == SideGroup ? m_Side
                                                                : m_Arrows;
    return iIndex >= 0 && iIndex < list.size() ? list[iIndex] : nullptr;
}

QVector<HotspotButton*> MousePicture::allHotspots() const
{
    return m_Front + m_Side + m_Arrows;
}

void MousePicture::layout(double dScale)
{
    m_dScale = dScale;
    m_pFront->setGeometry(MainLayout::rect(MainLayout::FrontPicture, dScale));
    const QRect side = MainLayout::baseRect(MainLayout::SidePicture);
    m_pSide->setGeometry(UiScale::scaled(side, dScale));
    // The front view's hotspots are not offered: the button window names every button.
    for (HotspotButton* b : m_Front)
        b->setGeometry(0, 0, 0, 0);
    for (HotspotButton* b : m_Side + m_Arrows) {
        const QRect spot = sideHotspotRect(m_Device, b->group(), b->index());
        b->setGeometry(spot.isEmpty() ? QRect(0, 0, 0, 0)
                                      : UiScale::scaled(spot.translated(side.topLeft()), dScale));
    }
}
