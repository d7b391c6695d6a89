#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>

// Base of the tool's small modal dialogs (colour picker, key capture, fire key, macro select,
// gun set): frameless, translucent, modal and parented to the window that opens it. It paints a
// background image of the skin folder stretched over its size (base size times the UI scale)
// and can be dragged by any point that no child takes. The opener reads the values only after
// exec() returned QDialog::Accepted, then destroys the dialog (a local object or a unique_ptr).
class KivoTranslucentDialog : public QDialog
{
    Q_OBJECT
public:
    // `background` is a file name in the skin folder ("dlg.png"); `baseSize` is in unscaled
    // pixels.
    KivoTranslucentDialog(QWidget* parent, const QString& background, const QSize& baseSize,
                          double dScale);

    double scale() const { return m_dScale; }
    // A length in unscaled pixels at this dialog's scale.
    int px(double v) const { return qRound(v * m_dScale); }
    // A rectangle of unscaled coordinates at this dialog's scale (fixed layouts).
    QRect scaledRect(int x, int y, int w, int h) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double m_dScale;
    QPixmap m_Background;
    QPixmap m_Scaled;
    bool m_bDragging = false;
    QPoint m_DragOffset;
};
