#include "platform/DesktopSession.h"

#include <QDebug>

DesktopSession::Type DesktopSession::detect(const QProcessEnvironment& env)
{
    // The session manager's word first; a compositor's socket or an X display otherwise.
    const QString type = env.value("XDG_SESSION_TYPE").toLower();
    if (type == QLatin1String("wayland"))
        return Wayland;
    if (type == QLatin1String("x11"))
        return X11;
    if (!env.value("WAYLAND_DISPLAY").isEmpty())
        return Wayland;
    if (!env.value("DISPLAY").isEmpty())
        return X11;
    return Other;
}

DesktopSession::Type DesktopSession::current()
{
    static const Type type = [] {
        const Type detected = detect(QProcessEnvironment::systemEnvironment());
        qDebug().noquote() << "desktop session:" << name(detected);
        return detected;
    }();
    return type;
}

QString DesktopSession::name(Type type)
{
    switch (type) {
    case X11:
        return QStringLiteral("x11");
    case Wayland:
        return QStringLiteral("wayland");
    case Other:
        break;
    }
    return QStringLiteral("other");
}
