#include "pages/DpiValueEditor.h"

#include <QIntValidator>
#include <QKeyEvent>

DpiValueEditor::DpiValueEditor(QWidget* over, int iDpi, int iMaxDpi)
    : QLineEdit(QString::number(iDpi), over->parentWidget())
{
    setObjectName(QStringLiteral("dpiValueEditor"));
    // Room for one digit more than the range needs, so that a number too large can be typed and
    // is brought down to the top of the range rather than refused key by key.
    setValidator(new QIntValidator(0, iMaxDpi * 10 + 9, this));
    setGeometry(over->geometry());
    setAttribute(Qt::WA_DeleteOnClose);
    selectAll();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void DpiValueEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_bDone = true;
        bool ok = false;
        const int dpi = text().toInt(&ok);
        if (ok)
            emit valueEntered(dpi);
        close();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        m_bDone = true;
        close();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DpiValueEditor::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_bDone) {
        m_bDone = true;
        close();
    }
}
