#include "widgets/KeyboardFocusMark.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QRadioButton>
#include <QStyle>

void KeyboardFocusMark::install()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<KeyboardFocusMark*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app->installEventFilter(new KeyboardFocusMark(app));
}

bool KeyboardFocusMark::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut)
        return false;
    auto* box = qobject_cast<QWidget*>(watched);
    if (!qobject_cast<QCheckBox*>(watched) && !qobject_cast<QRadioButton*>(watched))
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const bool bMarked = type == QEvent::FocusIn &&
                         (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::ShortcutFocusReason);
    if (box->property(kProperty).toBool() != bMarked) {
        box->setProperty(kProperty, bMarked);
        // A property selector is matched when the widget is polished.
        box->style()->unpolish(box);
        box->style()->polish(box);
        box->update();
    }
    return false;
}
