#include "IdleExit.h"
#include "OsdOverlay.h"
#include "OsdServer.h"

#include "platform/DiagnosticLog.h"
#include "platform/DisplayCheck.h"
#include "platform/LockFileSingleInstance.h"
#include "platform/OsdClient.h"

#include <QApplication>
#include <QDebug>

#include <cstdio>
#include <cstring>

// The on-screen display: stays running in the background and shows each announcement the
// configuration tool sends it. One per user: a second start leaves at once with exit code 1.
int main(int argc, char* argv[])
{
    // Answered before the toolkit starts: neither needs a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(
                "Usage: mouse-osd\n"
                "Shows the announcements of mousecfg (profile, DPI level, report rate) for a "
                "moment\non the screen. mousecfg starts it when needed; it ends by itself "
                "a minute after\nthe last announcement. One runs per user.\n",
                stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
            std::fputs("mouse-osd " MOUSECFG_VERSION "\n", stdout);
            return 0;
        }
    }
    if (!DisplayCheck::canShowWindows()) {
        std::fputs("mouse-osd: cannot open display\n", stderr);
        return 1;
    }
    DiagnosticLog::setUp(false);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const QString address = OsdClient::serverAddress();
    LockFileSingleInstance lock;
    if (!lock.tryAcquire(OsdClient::serverName())) {
        if (!lock.failure().isEmpty())
            qWarning().noquote() << "OSD: not starting without a safe lock:" << lock.failure();
        return 1;
    }

    OsdServer server;
    if (!server.listen(address)) {
        qDebug() << "OSD: cannot listen on" << address << server.errorString();
        return 1;
    }

    // The idle time can be shortened for tests.
    bool bOk = false;
    const int idleMs = qEnvironmentVariableIntValue("MOUSECFG_OSD_IDLE_MS", &bOk);
    IdleExit idle(&server, bOk && idleMs > 0 ? idleMs : IdleExit::kDefaultIdleMs);

    OsdOverlay overlay;
    QObject::connect(&server, &OsdServer::messageReceived, &overlay,
                     [&overlay](const OsdMessage& message) {
                         qDebug().noquote() << "OSD:" << message.text;
                         overlay.showMessage(message);
                     });
    return app.exec();
}
