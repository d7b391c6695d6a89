#include "platform/DisplayCheck.h"

#include "platform/X11Connection.h"

#include <QFileInfo>
#include <QStringList>

namespace {
bool waylandReachable(const QProcessEnvironment& env)
{
    const QString name = env.value("WAYLAND_DISPLAY", "wayland-0");
    // An absolute name is the socket itself; otherwise it lies in the runtime folder.
    const QString socket =
        name.startsWith('/') ? name : env.value("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    return QFileInfo(socket).exists();
}
} // namespace

bool DisplayCheck::canShowWindows(const QProcessEnvironment& env)
{
    // The toolkit tries the platform named here; a name may carry options after a colon. Left
    // unnamed, it picks X11 or Wayland from the session, so either will do: refusing a start
    // that would have worked is worse than the abort this check is for.
    const QString named = env.value("QT_QPA_PLATFORM");
    const QStringList platforms =
        named.isEmpty() ? QStringList{"xcb", "wayland"} : named.split(';', Qt::SkipEmptyParts);
    for (const QString& entry : platforms) {
        const QString platform = entry.section(':', 0, 0).trimmed();
        if (platform == QLatin1String("xcb")) {
            if (X11Connection(env.value("DISPLAY").toLocal8Bit()).isOpen())
                return true;
        } else if (platform.startsWith(QLatin1String("wayland"))) {
            if (waylandReachable(env))
                return true;
        } else {
            return true;
        }
    }
    return false;
}
