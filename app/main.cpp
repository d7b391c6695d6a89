#include "app/MousecfgWidget.h"
#include "model/AppPaths.h"
#include "model/DeviceDescription.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // Everything is painted in software: without this the X11 platform sets up OpenGL when the
    // first window is created, which costs more than the rest of the start-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);

    const QString productName = DeviceDescription::productName();

    // One running instance per product; a second start leaves quietly.
    const std::unique_ptr<SingleInstance> instance = SingleInstance::create();
    if (!instance->tryAcquire(SingleInstance::mutexName(productName))) {
        QCoreApplication::exit(1);
        return 1;
    }

    // An installed tool keeps Configs in the user's folder: filled from the shipped defaults at
    // the first start, before anything reads it.
    AppPaths::seedConfigDir();

    auto* window = new MousecfgWidget;
    if (window->deviceCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    // From the application folder rather than the working folder, so that the icon is found
    // wherever the program is started from.
    window->setWindowIcon(QIcon(AppPaths::skinDir() + "/icon.ico"));
    window->setWindowTitle(productName);

    const int code = app.exec();
    delete window;
    return code;
}
