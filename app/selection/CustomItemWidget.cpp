#include "app/selection/CustomItemWidget.h"

#include "model/AppPaths.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

CustomItemWidget::CustomItemWidget(const QString& name, QWidget* parent)
    : QWidget(parent), m_Name(name)
{
    const QSize pictureSize(kPictureWidth, kPictureHeight);
    QPixmap picture(picturePath(name));
    m_bSkinPicture = !picture.isNull();
    if (m_bSkinPicture) {
        picture = picture.scaled(pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else {
        // Models without a folder in the skin still need something to click on.
        const int side = kPictureWidth / 2;
        picture = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(side, side);
    }

    m_pPicture = new QLabel(this);
    m_pPicture->setPixmap(picture);
    m_pPicture->setFixedSize(pictureSize);
    m_pPicture->setAlignment(Qt::AlignCenter);
    // Clicks go through to the list, which marks the row.
    m_pPicture->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_pName = new QLabel(name, this);
    m_pName->setAlignment(Qt::AlignCenter);
    m_pName->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_pPicture, 0, Qt::AlignHCenter);
    layout->addWidget(m_pName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    applyTextColour();
}

QString CustomItemWidget::picturePath(const QString& name)
{
    return AppPaths::appDir() + "/skin/mouse/" + name + "/Mouse.png";
}

void CustomItemWidget::setSelected(bool bSelected)
{
    if (m_bSelected == bSelected)
        return;
    m_bSelected = bSelected;
    applyTextColour();
}

void CustomItemWidget::applyTextColour()
{
    m_pName->setStyleSheet(m_bSelected
                               ? QStringLiteral("color: black; font-size: 14px; font-weight: bold;")
                               : QStringLiteral("color: white; font-size: 14px;"));
}
