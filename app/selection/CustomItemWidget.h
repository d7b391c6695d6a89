#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;

// One row of the device chooser: the mouse's picture above its code name. The chooser paints a
// light background behind the marked row, so the marked row's name turns black and the others
// stay white on the black dialog.
class CustomItemWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 96;
    static constexpr int kPictureHeight = 128;

    explicit CustomItemWidget(const QString& name, QWidget* parent = nullptr);

    QString name() const { return m_Name; }
    void setSelected(bool bSelected);
    bool isSelected() const { return m_bSelected; }
    // Whether the skin has a picture for this mouse (else a standard icon stands in).

    // appDir + "/skin/mouse/" + name + "/Mouse.png".
    static QString picturePath(const QString& name);

private:
    void applyTextColour();

    QString m_Name;
    QLabel* m_pPicture = nullptr;
    QLabel* m_pName = nullptr;
    bool m_bSelected = false;
    bool m_bSkinPicture = false;
};
