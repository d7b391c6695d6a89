#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVector>

// Push button drawn from two or three skin images: normal, hover and pressed. The pressed face
// also shows the checked state (page tabs); with only two images the hover face stands in for
// it. The faces are stretched to the button's geometry, which the layouts set to their fixed
// coordinates times the UI scale, and the text is drawn over them. Keyboard focus shows as a
// dotted ring inside the face.
class KivoPushButton : public QPushButton
{
    Q_OBJECT

public:
    enum Face
    {
        Normal,
        Hover,
        Pressed
    };

    explicit KivoPushButton(const QStringList& images, QWidget* parent = nullptr,
                            double dScale = 1.0);
    KivoPushButton(const QStringList& images, const QString& text, QWidget* parent = nullptr,
                   double dScale = 1.0);

    // Full paths of images in the skin folder: skinImages({"btn-1.png", "btn-2.png"}).
    static QStringList skinImages(const QStringList& names);

    void setImages(const QStringList& images);
    QStringList images() const { return m_Images; }
    void setScale(double dScale);
    double scale() const { return m_dScale; }
    // Draws a down arrow at the right end while the button has a menu, so that it reads as a
    // list to open, as a combo box does. For faces whose images carry no arrow of their own.
    void setMenuArrow(bool bShow);

    // The face painted now: pressed while held down or checked, hover while the pointer is over.
    Face face() const;
    QSize sizeHint() const override;

signals:
    void EnterSignal(KivoPushButton* btn);
    void OverSignal(KivoPushButton* btn, bool bOver);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& faceAt(Face face);
    void hoverAfterMenu();
    void paintFocusMark(QPainter& painter);

    QStringList m_Images;
    QVector<QPixmap> m_Faces;  // as loaded, index by Face; null where an image is missing
    QSize m_NominalSize;       // the normal face's own size, whichever file it was drawn from
    QVector<QPixmap> m_Scaled; // the faces at the current size
    QSize m_ScaledFor;
    double m_dScale = 1.0;
    bool m_bHover = false;
    bool m_bMenuArrow = false;
    bool m_bFocusTaken = false; // NoFocus set here while the button has no size
    Qt::FocusPolicy m_FocusPolicy = Qt::StrongFocus;
};
