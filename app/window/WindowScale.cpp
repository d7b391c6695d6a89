#include "app/window/WindowScale.h"

#include "app/window/MainLayout.h"
#include "app/window/UiScale.h"
#include "app/window/WindowBackground.h"
#include "model/AppPaths.h"
#include "widgets/SkinImage.h"
#include "widgets/UserPrompts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
QSize windowSize(double dScale)
{
    return QSize(UiScale::scaled(MainLayout::kWidth, dScale),
                 UiScale::scaled(MainLayout::kHeight, dScale));
}
} // namespace

WindowScale::Placement WindowScale::placeAt(double dScale, const QRect& available)
{
    Placement placement;
    placement.dScale = dScale;
    const QSize size = windowSize(dScale);
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(available.center());
    // Centring a window larger than the screen would put its top left corner, and with it the
    // title row the user drags it by, out of reach.
    frame.moveLeft(qMax(frame.left(), available.left()));
    frame.moveTop(qMax(frame.top(), available.top()));
    placement.frame = frame;
    return placement;
}

WindowScale::Placement WindowScale::place(double dLogicalDpi, const QRect& available)
{
    int index = 0;
    UiScale::fromLogicalDpi(dLogicalDpi, &index);
    // A panel or a dock takes part of the screen: the window has to fit what is left, whole.
    while (index > 0) {
        const QSize size = windowSize(UiScale::scaleForIndex(index));
        if (size.width() <= available.width() && size.height() <= available.height())
            break;
        --index;
    }
    return placeAt(UiScale::scaleForIndex(index), available);
}

double WindowScale::apply(QWidget* window, WindowBackground& background, double dForcedScale)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const double dpi = screen ? screen->logicalDotsPerInch() : UiScale::kBaseDpi;
    const Placement placement =
        dForcedScale > 0 ? placeAt(dForcedScale, available) : place(dpi, available);
    const double scale = placement.dScale;
    UserPrompts::setScale(scale);
    // The images are drawn at the UI scale times the pixels per logical pixel of the screen.
    const double pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    SkinImage::setScale(scale * pixelRatio);
    qDebug("UI scale %.2f (%.0f DPI), device pixel ratio %.2f", scale, dpi, pixelRatio);
    const QSize size = placement.frame.size();
    background.start(AppPaths::skinDir() + "/cfgMainback.png", size, pixelRatio);
    window->setBaseSize(size);
    window->setMinimumSize(size);
    window->resize(size);
    if (screen)
        window->move(placement.frame.topLeft());
    return scale;
}
