#include "widgets/KivoTranslucentDialog.h"
#include "widgets/SkinImage.h"

#include "model/AppPaths.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

KivoTranslucentDialog::KivoTranslucentDialog(QWidget* parent, const QString& background,
                                             const QSize& baseSize, double dScale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_dScale(dScale > 0 ? dScale : 1.0)
{
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    m_Background = SkinImage::load(AppPaths::skinDir() + "/" + background);
    setFixedSize(px(baseSize.width()), px(baseSize.height()));
    // The background's alpha is the dialog's shape, also where no compositor blends it.
    if (!m_Background.isNull())
        setMask(m_Background.scaled(size(), Qt::IgnoreAspectRatio).mask());
}

QRect KivoTranslucentDialog::scaledRect(int x, int y, int w, int h) const
{
    return QRect(px(x), px(y), px(w), px(h));
}

void KivoTranslucentDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_Background.isNull()) {
        // Without the skin the dialog must still be readable.
        painter.fillRect(rect(), QColor(0x1b, 0x1e, 0x23));
        return;
    }
    const QSize target = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (m_Scaled.size() != target)
        m_Scaled = SkinImage::scaledTo(m_Background, size(), devicePixelRatioF());
    painter.drawPixmap(0, 0, m_Scaled);
}

void KivoTranslucentDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_bDragging = true;
        m_DragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void KivoTranslucentDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging)
        move(event->globalPos() - m_DragOffset);
    QDialog::mouseMoveEvent(event);
}

void KivoTranslucentDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_bDragging = false;
    QDialog::mouseReleaseEvent(event);
}
