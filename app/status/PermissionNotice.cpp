#include "app/status/PermissionNotice.h"

#include "device/DeviceAccess.h"
#include "widgets/UserPrompts.h"

#include <QAtomicInt>
#include <QWidget>

namespace {
QAtomicInt g_Shown(0);
}

PermissionNotice::PermissionNotice(QWidget* window, QObject* parent)
    : QObject(parent), m_pWindow(window)
{
}

QString PermissionNotice::title()
{
    return tr("Warning");
}

QString PermissionNotice::text()
{
    return tr("The mouse is connected, but this user is not allowed to open it (permission "
              "denied).");
}

QString PermissionNotice::text2()
{
    return tr("Install the udev rule 60-mousecfg.rules (with the package, or from data/udev/ of "
              "the sources into /etc/udev/rules.d/), then run \"sudo udevadm control --reload && "
              "sudo udevadm trigger\" and plug the mouse in again.");
}

bool PermissionNotice::wasShown()
{
    return g_Shown.loadAcquire() != 0;
}

void PermissionNotice::resetShown()
{
    g_Shown.storeRelease(0);
}

void PermissionNotice::slotDevicePermissionDenied()
{
    if (!DeviceAccess::permissionDenied())
        return;
    // Taken before the box opens: a denial arriving while the modal box runs its event loop
    // must not open a second one.
    if (!g_Shown.testAndSetOrdered(0, 1))
        return;
    UserPrompts::notice(m_pWindow.data(), title(), text(), text2());
}
