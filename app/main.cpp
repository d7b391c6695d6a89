#include "app/commands/CommandLine.h"
#include "app/commands/InstanceRequests.h"
#include "app/commands/ScriptCommands.h"
#include "app/window/LanguageSwitcher.h"
#include "app/window/MousecfgWidget.h"
#include "app/window/StartUpWork.h"
#include "model/AppPaths.h"
#include "model/DeviceDescription.h"
#include "model/ProfilePrefetch.h"
#include "platform/DesktopSession.h"
#include "platform/DiagnosticLog.h"
#include "platform/DisplayCheck.h"
#include "platform/FontWarmUp.h"
#include "platform/InstanceChannel.h"
#include "platform/PointerSpeedFactory.h"
#include "platform/SingleInstance.h"
#include "platform/SingleInstanceFactory.h"
#include "platform/X11Connection.h"

#include <QApplication>
#include <QDebug>
#include <QThread>
#include <QTranslator>

#include <cstdio>

namespace {
// How long a command waits for a window that is busy writing to the mouse.
constexpr int kCommandTimeoutMs = 60000;
// How long a second start waits for the running window to take its raise request (the window
// may still be being built).
constexpr int kRaiseTimeoutMs = 10000;
// How long a command waits for another command-line process to let go of the mouse.
constexpr int kLockWaitMs = 10000;

QString productName()
{
    return DeviceDescription::productName();
}

void print(const QString& text, FILE* stream)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Without a lock we can trust, a second window or command might be driving the mouse already:
// better to say so and not start than to have two processes write to it at once.
int refuseWithoutLock(const SingleInstance& instance, int iExitCode)
{
    print(QCoreApplication::translate("main", "Cannot make sure that no other mousecfg runs "
                                              "(%1); not starting.")
                  .arg(instance.failure()) +
              "\n",
          stderr);
    return iExitCode;
}

// A command: handed to the running window of this product, or carried out here when none
// runs. Either way one process alone talks to the mouse.
int runCommand(const CommandLine& line)
{
    const QString lockName = SingleInstance::mutexName(productName());
    const std::unique_ptr<SingleInstance> instance = SingleInstanceFactory::create();
    for (int waited = 0; !instance->tryAcquire(lockName); waited += 200) {
        if (!instance->failure().isEmpty())
            return refuseWithoutLock(*instance, CommandLine::WriteFailed);
        const InstanceChannel::Reply reply =
            InstanceChannel::send(lockName, line.arguments(), kCommandTimeoutMs);
        if (reply.bAnswered) {
            print(reply.output, reply.iExitCode == 0 ? stdout : stderr);
            return reply.iExitCode;
        }
        // Another command holds the lock and does not listen: its turn ends soon.
        if (waited >= kLockWaitMs) {
            print(ScriptCommands::tr("The window is busy with the mouse; try again in a moment.") +
                      "\n",
                  stderr);
            return CommandLine::WriteFailed;
        }
        QThread::msleep(200);
    }
    AppPaths::seedConfigDir();
    QString output;
    const int code = ScriptCommands().run(line, &output);
    print(output, code == 0 ? stdout : stderr);
    return code;
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

void installTranslator(QTranslator& translator)
{
    if (translator.load(LanguageSwitcher::catalogueFor(LanguageSwitcher::startLanguage())))
        QCoreApplication::installTranslator(&translator);
}

// The window without a display: one line and exit 1, where the toolkit would abort.
int refuseWithoutDisplay(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    installTranslator(translator);
    print(QStringLiteral("mousecfg: %1\n")
              .arg(QCoreApplication::translate("main", "cannot open display")),
          stderr);
    return 1;
}

// Everything but the window: no display needed. Texts in the user's language.
int runWithoutWindow(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    installTranslator(translator);
    const CommandLine line = CommandLine::parse(argumentsOf(argc, argv));
    switch (line.command()) {
    case CommandLine::Help:
    case CommandLine::Version:
        print(line.text(), stdout);
        return CommandLine::Done;
    case CommandLine::Invalid:
        print(line.text(), stderr);
        return CommandLine::Usage;
    default:
        return runCommand(line);
    }
}
} // namespace

int main(int argc, char* argv[])
{
    const CommandLine line = CommandLine::parse(argumentsOf(argc, argv));
    DiagnosticLog::setUp(line.isVerbose());
    if (line.command() != CommandLine::OpenWindow)
        return runWithoutWindow(argc, argv);
    // The desktop's pointer speed is read on another thread over a connection of its own.
    X11Connection::allowThreads();
    if (!DisplayCheck::canShowWindows())
        return refuseWithoutDisplay(argc, argv);
    // Read while the toolkit starts; the window waits for it before its first text.
    FontWarmUp fonts;

    // Everything is painted in software: without this the X11 platform sets up OpenGL when the
    // first window is created, which costs more than the rest of the start-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Names the desktop entry, so that Wayland compositors and docks show its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("mousecfg"));
    // Decided once for the whole run: it chooses how announcements and the pointer speed go.
    DesktopSession::current();
    qDebug().noquote() << "platform:" << QGuiApplication::platformName();

    const QString product = productName();

    // One running instance per product; a second start asks the running one to come to the
    // front (a desktop without a tray has no other way back to a hidden window) and leaves.
    const QString lockName = SingleInstance::mutexName(product);
    const std::unique_ptr<SingleInstance> instance = SingleInstanceFactory::create();
    if (!instance->tryAcquire(lockName)) {
        if (!instance->failure().isEmpty())
            return refuseWithoutLock(*instance, 1);
        // Started in the tray on purpose (at login): the running window stays where it is.
        if (!line.startsHidden())
            InstanceChannel::send(lockName, {InstanceRequests::raiseRequest()}, kRaiseTimeoutMs);
        QCoreApplication::exit(1);
        return 1;
    }
    // Listening at once: a start soon after this one finds us even while the window is built.
    InstanceChannel channel;
    if (!channel.listen(lockName))
        qWarning("single instance: cannot listen for a second start");

    // An installed tool keeps Configs in the user's folder: filled from the shipped defaults at
    // the first start, before anything reads it.
    AppPaths::seedConfigDir();

    // The start's own profile file is checked and parsed, and the eleven thousand key names a
    // profile read needs are made, on another core while the window is built.
    ProfilePrefetch::start();
    PointerSpeedFactory::startCreating();

    fonts.wait();
    MousecfgServices services;
    services.bStartHidden = line.startsHidden();
    auto* window = new MousecfgWidget(nullptr, services);
    if (window->deviceCount() != 0 && !line.startsHidden()) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    window->setWindowTitle(product);

    auto* requests = new InstanceRequests(window);
    channel.setHandler([window, requests](const QStringList& args, QString* output) {
        // A request may need any slot's settings, read once the first frame is up.
        window->startUpWork()->finish();
        return requests->handle(args, output);
    });

    const int code = app.exec();
    delete window;
    return code;
}
