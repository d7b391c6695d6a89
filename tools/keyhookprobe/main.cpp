#include "ListenerWindow.h"
#include "ProbeConsole.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>

// A test aid: runs the platform keyboard hook under a key capture and prints what it sees
// (see ProbeConsole), or with --listen stands in for another application that wants keys.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--listen") == 0) {
        ListenerWindow window;
        window.show();
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }
    ProbeConsole console;
    return app.exec();
}
