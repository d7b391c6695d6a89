#include "macro/KivoGunsetDialog.h"

#include "macro/MacroEventView.h"
#include "macro/MacroFileActions.h"
#include "model/AppSettings.h"
#include "widgets/KivoPushButton.h"
#include "widgets/PageGeometry.h"
#include "widgets/SkinStyleSheet.h"
#include "widgets/UserPrompts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {
QSpinBox* spinBox(QWidget* parent, int min, int max, int value)
{
    auto* box = new QSpinBox(parent);
    box->setRange(min, max);
    box->setValue(value);
    return box;
}
} // namespace

KivoGunsetDialog::KivoGunsetDialog(QWidget* parent, double dScale, int unit)
    : KivoTranslucentDialog(parent, QStringLiteral("gunset.png"), QSize(600, 360), dScale),
      m_iUnit(unit)
{
    setObjectName(QStringLiteral("KivoGunsetDialog"));
    setFont(AppSettings::currentFont(dScale));
    setStyleSheet(SkinStyleSheet::pages(dScale) + SkinStyleSheet::lists(dScale));
    m_pTitle = new QLabel(tr("Gun Set"), this);
    m_pNameCaption = new QLabel(tr("GUNFILE NAME"), this);
    m_pName = new QLineEdit(this);
    m_pName->setMaxLength(MacroFileActions::kMaxGunNameLength);
    m_pBulletsCaption = new QLabel(tr("BULLETS"), this);
    m_pBullets = new QComboBox(this);
    for (int i = 1; i <= GunSetRows::kMaxBullets; ++i)
        m_pBullets->addItem(QString::number(i));
    m_pBullets->setCurrentIndex(GunSetRows::kMaxBullets - 1);
    const char* const heads[] = {QT_TR_NOOP("DELAY(MS)"), QT_TR_NOOP("VERTICAL"),
                                 QT_TR_NOOP("HORIZONTAL")};
    for (int i = 0; i < 3; ++i) {
        m_pHeads[i] = new QLabel(tr(heads[i]), this);
        m_pHeads[i]->setObjectName(QStringLiteral("caption"));
    }
    for (int i = 0; i < GunSetRows::kMaxBullets; ++i) {
        m_pShot[i] = new QLabel(QString::number(i + 1), this);
        m_pDelay[i] = spinBox(this, 1, 999, 100);
        m_pVertical[i] = spinBox(this, -100, 100, 0);
        m_pHorizontal[i] = spinBox(this, -100, 100, 0);
        for (QSpinBox* box : {m_pDelay[i], m_pVertical[i], m_pHorizontal[i]})
            connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                    &KivoGunsetDialog::updateRows);
    }
    connect(m_pBullets, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &KivoGunsetDialog::updateRows);
    m_pPreview = new MacroEventView(this);
    const QStringList faces =
        KivoPushButton::skinImages({"btnsmall-1.png", "btnsmall-2.png", "btnsmall-3.png"});
    m_pYes = new KivoPushButton(faces, tr("Yes"), this, dScale);
    m_pNo = new KivoPushButton(faces, tr("No"), this, dScale);
    connect(m_pYes, &QPushButton::clicked, this, &KivoGunsetDialog::OnYesClick);
    m_pYes->setDefault(true); // Enter says Yes, Escape No
    connect(m_pNo, &QPushButton::clicked, this, &QDialog::reject);
    layoutControls();
    updateRows();
}

void KivoGunsetDialog::layoutControls()
{
    const double s = scale();
    m_pTitle->setGeometry(PageGeometry::rect(20, 10, 300, 24, s));
    m_pNameCaption->setGeometry(PageGeometry::rect(20, 44, 110, 22, s));
    m_pName->setGeometry(PageGeometry::rect(130, 44, 150, 22, s));
    m_pBulletsCaption->setGeometry(PageGeometry::rect(20, 74, 110, 22, s));
    m_pBullets->setGeometry(PageGeometry::rect(130, 74, 60, 22, s));
    for (int c = 0; c < 3; ++c)
        m_pHeads[c]->setGeometry(PageGeometry::rect(50 + c * 78, 106, 76, 20, s));
    for (int i = 0; i < GunSetRows::kMaxBullets; ++i) {
        const int y = 130 + i * 30;
        m_pShot[i]->setGeometry(PageGeometry::rect(20, y, 24, 24, s));
        m_pDelay[i]->setGeometry(PageGeometry::rect(50, y, 70, 24, s));
        m_pVertical[i]->setGeometry(PageGeometry::rect(128, y, 70, 24, s));
        m_pHorizontal[i]->setGeometry(PageGeometry::rect(206, y, 70, 24, s));
    }
    m_pPreview->setGeometry(PageGeometry::rect(300, 44, 280, 250, s));
    m_pPreview->setScale(s);
    m_pYes->setGeometry(PageGeometry::rect(380, 316, 96, 24, s));
    m_pNo->setGeometry(PageGeometry::rect(484, 316, 96, 24, s));
}

QString KivoGunsetDialog::fileName() const
{
    return m_pName->text();
}

int KivoGunsetDialog::bullets() const
{
    return m_pBullets->currentIndex() + 1;
}

QVector<GunSetRows::Bullet> KivoGunsetDialog::shots() const
{
    QVector<GunSetRows::Bullet> result;
    for (int i = 0; i < GunSetRows::kMaxBullets; ++i)
        result.append({m_pDelay[i]->value(), m_pVertical[i]->value(), m_pHorizontal[i]->value()});
    return result;
}

void KivoGunsetDialog::updateRows()
{
    const int n = bullets();
    for (int i = 0; i < GunSetRows::kMaxBullets; ++i) {
        for (QWidget* w :
             {static_cast<QWidget*>(m_pShot[i]), static_cast<QWidget*>(m_pDelay[i]),
              static_cast<QWidget*>(m_pVertical[i]), static_cast<QWidget*>(m_pHorizontal[i])})
            w->setVisible(i < n);
    }
    m_pPreview->setRows(GunSetRows::rows(shots(), n, m_iUnit), m_iUnit, -1);
}

void KivoGunsetDialog::OnYesClick()
{
    if (m_pName->text().isEmpty()) {
        UserPrompts::notice(this, tr("Warning"), tr("Please input file name."));
        return;
    }
    m_Rows = GunSetRows::rows(shots(), bullets(), m_iUnit);
    m_pPreview->setRows(m_Rows, m_iUnit, -1);
    accept();
}
