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

WindowScale::Placement WindowScale::place(double dLogicalDpi, double dPixelRatio,
                                          const QRect& available)
{
    const double ratio = dPixelRatio > 0 ? dPixelRatio : 1.0;
    // A panel or a dock takes part of the screen: the window has to fit what is left, whole.
    double onScreen = UiScale::fromLogicalDpi(dLogicalDpi) * ratio;
    while (onScreen - UiScale::kStep >= 1.0 - 1e-9) {
        const QSize size = windowSize(onScreen / ratio);
        if (size.width() <= available.width() && size.height() <= available.height())
            break;
        onScreen -= UiScale::kStep;
    }
    return placeAt(onScreen / ratio, available);
}

double WindowScale::apply(QWidget* window, WindowBackground& background, double dForcedScale)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const double dpi = screen ? screen->logicalDotsPerInch() : UiScale::kBaseDpi;
    // The images are drawn at the UI scale times the pixels per logical pixel of the screen.
    const double pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    const Placement placement =
        dForcedScale > 0 ? placeAt(dForcedScale, available) : place(dpi, pixelRatio, available);
    const double scale = placement.dScale;
    UserPrompts::setScale(scale);
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
