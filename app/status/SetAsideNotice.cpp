#include "app/status/SetAsideNotice.h"

#include "model/SetAsideFiles.h"
#include "widgets/UserPrompts.h"

#include <QDebug>
#include <QDir>
#include <QWidget>

SetAsideNotice::SetAsideNotice(QWidget* window, QObject* parent)
    : QObject(parent), m_pWindow(window)
{
    // Queued: files are set aside on the writer thread too, and a box must open on this one.
    connect(SetAsideFiles::instance(), &SetAsideFiles::fileSetAside, this,
            &SetAsideNotice::slotShowSetAside, Qt::QueuedConnection);
    QMetaObject::invokeMethod(this, &SetAsideNotice::slotShowSetAside, Qt::QueuedConnection);
}

QString SetAsideNotice::title()
{
    return tr("Warning");
}

QString SetAsideNotice::text(const QString& path, const QString& keptPath)
{
    return tr("The file %1 could not be read safely. It was kept as %2.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(keptPath));
}

QString SetAsideNotice::text2()
{
    return tr("Default settings are used for everything that could not be read from it.");
}

QString SetAsideNotice::unreadText(const QStringList& unreadable, const QStringList& missing)
{
    QStringList lines;
    for (const QString& path : unreadable)
        lines << tr("The file %1 could not be read.").arg(QDir::toNativeSeparators(path));
    for (const QString& path : missing)
        lines << tr("The file %1 was not found.").arg(QDir::toNativeSeparators(path));
    return lines.join('\n');
}

QString SetAsideNotice::unreadText2()
{
    return tr("The factory settings are used in their place.");
}

void SetAsideNotice::slotShowSetAside()
{
    // A box runs its own event loop; files set aside meanwhile are told by the loop below.
    if (m_bShowing)
        return;
    m_bShowing = true;
    for (auto files = SetAsideFiles::take(); !files.isEmpty(); files = SetAsideFiles::take()) {
        QStringList unreadable;
        QStringList missing;
        for (const SetAsideFiles::Entry& e : files) {
            if (e.kind == SetAsideFiles::SetAside) {
                qDebug() << "told:" << text(e.path, e.keptPath);
                UserPrompts::notice(m_pWindow.data(), title(), text(e.path, e.keptPath), text2());
            } else
                (e.kind == SetAsideFiles::Missing ? missing : unreadable) << e.path;
        }
        if (!unreadable.isEmpty() || !missing.isEmpty()) {
            qDebug() << "told:" << unreadText(unreadable, missing);
            UserPrompts::notice(m_pWindow.data(), title(), unreadText(unreadable, missing),
                                unreadText2());
        }
    }
    m_bShowing = false;
}
