#include "app/window/TrayIcon.h"

#include "app/selection/DeviceSelection.h"
#include "app/status/BatteryBar.h"
#include "model/AppPaths.h"
#include "platform/AutostartEntry.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

namespace {
// The tool's icon with a battery in the warning colour in its lower right corner, at each size the
// tray may ask.
QIcon lowBatteryIcon(const QIcon& icon)
{
    QIcon low;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap = icon.pixmap(size, size);
        if (pixmap.isNull()) {
            pixmap = QPixmap(size, size);
            pixmap.fill(Qt::transparent);
        }
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF body(size * 0.42, size * 0.58, size * 0.5, size * 0.38);
        painter.setPen(QPen(Qt::white, qMax(1.0, size / 16.0)));
        painter.setBrush(BatteryBar::warningColour());
        painter.drawRoundedRect(body, size / 16.0, size / 16.0);
        painter.fillRect(QRectF(body.right(), body.top() + body.height() * 0.3, size * 0.06,
                                body.height() * 0.4),
                         Qt::white);
        low.addPixmap(pixmap);
    }
    return low;
}
} // namespace

TrayIcon::TrayIcon(QWidget* window, DeviceSelection* selection)
    : QObject(window), m_pWindow(window), m_pSelection(selection)
{
    m_pLoadConfigAction = new QAction(window);
    connect(m_pLoadConfigAction, &QAction::triggered, m_pSelection,
            [this] { m_pSelection->runSelection(false); });
    m_pQuitAction = new QAction(window);
    connect(m_pQuitAction, &QAction::triggered, qApp, [this] {
        if (!m_LeaveCheck || m_LeaveCheck())
            QCoreApplication::quit();
    });
    // Quitting is within reach on every desktop, tray or not: Ctrl+Q and the window's own
    // context menu carry the tray menu's entries. Some platforms' key schemes have no quit key
    // at all; there Ctrl+Q stands in, so that the key is never silently dead.
    const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    m_pQuitAction->setShortcuts(quitKeys.isEmpty() ? QList<QKeySequence>{Qt::CTRL | Qt::Key_Q}
                                                   : quitKeys);
    window->addAction(m_pLoadConfigAction);
    window->addAction(m_pQuitAction);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Off until the user asks; what the desktop has is the truth, not a setting of ours.
    m_pAutostartAction = new QAction(window);
    m_pAutostartAction->setCheckable(true);
    m_pAutostartAction->setChecked(AutostartEntry().isEnabled());
    connect(m_pAutostartAction, &QAction::toggled, this, [this](bool bOn) {
        if (AutostartEntry().setEnabled(bOn))
            return;
        qDebug().noquote() << "autostart entry not changed:" << AutostartEntry::path();
        const QSignalBlocker blocker(m_pAutostartAction);
        m_pAutostartAction->setChecked(!bOn);
    });

    window->insertAction(m_pQuitAction, m_pAutostartAction);
    m_pMenu = new QMenu(window);
    m_pMenu->addAction(m_pLoadConfigAction);
    m_pMenu->addAction(m_pAutostartAction);
    m_pMenu->addAction(m_pQuitAction);
    m_pIcon = new QSystemTrayIcon(window);
    m_pIcon->setContextMenu(m_pMenu);
    connect(m_pIcon, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
    window->installEventFilter(this);
}

void TrayIcon::show()
{
    updateToolTip();
    // Looking the icon up in the theme, and showing the tray icon (which asks the desktop for
    // its tray and waits for the answer), wait until the window is up.
    QTimer::singleShot(0, m_pIcon, [this] {
        // The installed icon theme's first (it has every size and the scalable one), the
        // skin's from the application folder otherwise.
        const QIcon icon =
            QIcon::fromTheme(QStringLiteral("mousecfg"), QIcon(AppPaths::skinDir() + "/icon.ico"));
        m_pWindow->setWindowIcon(icon);
        m_Icon = icon;
        m_LowIcon = lowBatteryIcon(icon);
        updateIcon();
        // Without a tray host Qt falls back to the X11 tray, which under Wayland cannot work and
        // only warns.
        if (QGuiApplication::platformName() != QLatin1String("wayland") ||
            QSystemTrayIcon::isSystemTrayAvailable())
            m_pIcon->setVisible(true);
    });
}

void TrayIcon::retranslate()
{
    // The catalogues carry these texts under the window's name.
    m_pLoadConfigAction->setText(QCoreApplication::translate("MousecfgWidget", "&Load Config"));
    m_pQuitAction->setText(QCoreApplication::translate("MousecfgWidget", "&Quit"));
    m_pAutostartAction->setText(tr("Start with the desktop"));
    updateToolTip();
}

void TrayIcon::setBattery(int iLevel, bool bCharging, bool bCable)
{
    m_iLevel = iLevel;
    m_bCharging = bCharging;
    m_bCable = bCable;
    updateToolTip();
    updateIcon();
}

bool TrayIcon::isLow() const
{
    return !m_bCable && m_iLevel > 0 && m_iLevel <= BatteryBar::kLowLevel;
}

void TrayIcon::updateIcon()
{
    if (!m_Icon.isNull())
        m_pIcon->setIcon(isLow() ? m_LowIcon : m_Icon);
}

void TrayIcon::updateToolTip()
{
    QString state;
    if (m_iLevel <= 0)
        state = QCoreApplication::translate("BatteryDisplay", "MOUSE OFF");
    else if (m_bCable)
        state = tr("On the cable");
    else
        state = (m_bCharging ? tr("Battery %1%, charging")
                 : isLow()   ? tr("Battery %1%, low")
                             : tr("Battery %1%"))
                    .arg(m_iLevel);
    m_pIcon->setToolTip(m_pWindow->windowTitle() + QLatin1Char('\n') + state);
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    // Said once: a window that vanished on close would look like a tool that quit.
    // A minimised window (a hide from the window system) is not in the tray.
    if (watched == m_pWindow && event->type() == QEvent::Hide && !event->spontaneous() &&
        !m_bToldHidden && m_pIcon->isVisible() && QSystemTrayIcon::supportsMessages()) {
        m_bToldHidden = true;
        m_pIcon->showMessage(m_pWindow->windowTitle(),
                             tr("Still running in the tray: click the icon to bring the "
                                "window back."),
                             QSystemTrayIcon::Information, 5000);
    }
    return QObject::eventFilter(watched, event);
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (m_pWindow->isHidden()) {
        m_pSelection->runSelection(false);
    } else if (!m_pSelection->isBusy() && (!m_LeaveCheck || m_LeaveCheck())) {
        m_bToldHidden = true; // hidden from the tray: the user knows where it went
        m_pWindow->hide();
    }
}
