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

double WindowScale::apply(QWidget* window, WindowBackground& background)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double scale =
        UiScale::fromLogicalDpi(screen ? screen->logicalDotsPerInch() : UiScale::kBaseDpi);
    UserPrompts::setScale(scale);
    // The images are drawn at the UI scale times the pixels per logical pixel of the screen.
    const double pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    SkinImage::setScale(scale * pixelRatio);
    qDebug("UI scale %.2f, device pixel ratio %.2f", scale, pixelRatio);
    const QSize size(UiScale::scaled(MainLayout::kWidth, scale),
                     UiScale::scaled(MainLayout::kHeight, scale));
    background.start(AppPaths::skinDir() + "/cfgMainback.png", size, pixelRatio);
    window->setBaseSize(size);
    window->setMinimumSize(size);
    window->resize(size);
    if (screen)
        window->move(screen->availableGeometry().center() -
                     QPoint(size.width() / 2, size.height() / 2));
    return scale;
}
