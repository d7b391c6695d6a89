#include "widgets/KivoProcessDialog.h"
#include "widgets/SkinImage.h"

#include "model/AppPaths.h"
#include "widgets/SkinResources.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QTimer>

KivoProcessDialog::KivoProcessDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_Background(SkinImage::load(AppPaths::skinDir() + "/process.png"))
{
    SkinResources::init();
    setObjectName("KivoProcessDialog");
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kSize, kSize);

    m_pLabel = new QLabel(this);
    m_pLabel->setGeometry(0, 0, kSize, kSize);
    m_pLabel->setAlignment(Qt::AlignCenter);
    m_pLabel->setAttribute(Qt::WA_TranslucentBackground);
    m_pMovie = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    m_pLabel->setMovie(m_pMovie);
    m_pMovie->start();
}

void KivoProcessDialog::slotProcessDlg()
{
    QTimer::singleShot(0, this, &KivoProcessDialog::updateProgress);
}

void KivoProcessDialog::updateProgress()
{
    m_bDone = true;
    accept();
}

void KivoProcessDialog::paintEvent(QPaintEvent*)
{
    if (m_Background.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_Background);
}

void KivoProcessDialog::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(kSize / 2, kSize / 2));
    }
    QDialog::showEvent(event);
}

void KivoProcessDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape would reject the dialog while the writer still runs; the write decides when it ends.
    event->ignore();
}

void KivoProcessDialog::closeEvent(QCloseEvent* event)
{
    if (!m_bDone)
        event->ignore();
    else
        QDialog::closeEvent(event);
}
