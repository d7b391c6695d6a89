#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Tells the user that a connected mouse cannot be opened for lack of permission, and how to fix
// it, instead of letting it show as switched off. Shown at most once per run, however often
// hot-plugging reopens the mouse: the fix needs the user's action outside the program.
class PermissionNotice : public QObject
{
    Q_OBJECT

public:
    // `window` parents the box (it may be hidden or gone by then).
    explicit PermissionNotice(QWidget* window, QObject* parent = nullptr);

    static QString title();
    static QString text();
    static QString text2();

    static bool wasShown();
    // A fresh run, for tests that show it more than once in one process.
    static void resetShown();

public slots:
    // Connected to DeviceSelection::devicePermissionDenied. Shows nothing unless the last open
    // was refused access, so that a mouse that is simply absent keeps showing as off.
    void slotDevicePermissionDenied();

private:
    QPointer<QWidget> m_pWindow;
};
