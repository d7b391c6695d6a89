#include "app/SetAsideNotice.h"

#include "model/SetAsideFiles.h"
#include "widgets/UserPrompts.h"

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

void SetAsideNotice::slotShowSetAside()
{
    // A box runs its own event loop; files set aside meanwhile are told by the loop below.
    if (m_bShowing)
        return;
    m_bShowing = true;
    for (auto files = SetAsideFiles::take(); !files.isEmpty(); files = SetAsideFiles::take()) {
        for (const SetAsideFiles::Entry& e : files)
            UserPrompts::notice(m_pWindow.data(), title(), text(e.path, e.keptPath), text2());
    }
    m_bShowing = false;
}
