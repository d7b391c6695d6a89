#include "widgets/SkinFileDialog.h"

#include "widgets/SkinStyleSheet.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QToolButton>
#include <QTreeView>
#include <QtMath>

SkinFileDialog::SkinFileDialog(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter, double dScale)
    : QFileDialog(parent, caption, dir, filter), m_dScale(dScale > 0 ? dScale : 1.0)
{
    setObjectName(QStringLiteral("fileDialog"));
    setStyleSheet(SkinStyleSheet::fileDialogs(m_dScale));
    resize(qRound(kWidth * m_dScale), qRound(kHeight * m_dScale));
}

QStringList SkinFileDialog::run()
{
    return exec() == QDialog::Accepted ? selectedFiles() : QStringList();
}

void SkinFileDialog::showEvent(QShowEvent* event)
{
    // Only now: Qt's dialog builds its widgets late and restores the last column widths when
    // it does, and the skin's type size reaches them when they are polished before showing.
    fitToScale();
    QFileDialog::showEvent(event);
}

void SkinFileDialog::fitToScale()
{
    const int icon = qRound(kIconSize * m_dScale);
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setIconSize(QSize(icon, icon));

    // Qt sizes the columns for the type it had at construction, smaller than the skin's at a
    // large scale, and lets the last one take what is left. The names take what is left
    // instead; size, type and date are widened to fit their titles and a typical entry.
    auto* view = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view || !view->model())
        return;
    const QFontMetrics fm(view->font());
    const QLocale locale = QLocale::system();
    const QString samples[] = {
        QString(), locale.formattedDataSize(qint64(999) << 30), QStringLiteral("mp3Folder"),
        locale.toString(QDateTime(QDate(2000, 12, 28), QTime(22, 22, 22)), QLocale::ShortFormat)};
    // The section's padding and the sort arrow beside the title.
    const int room = fm.height() + qRound(8 * m_dScale);
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < header->count(); ++i) {
        const QString title = view->model()->headerData(i, Qt::Horizontal).toString();
        int needed = fm.horizontalAdvance(title);
        if (i < 4)
            needed = qMax(needed, fm.horizontalAdvance(samples[i]));
        if (header->sectionSize(i) < needed + room)
            header->resizeSection(i, needed + room);
    }
}
