#pragma once

#include "macro/GunSetRows.h"
#include "widgets/KivoTranslucentDialog.h"

class KivoPushButton;
class MacroEventView;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// "Gun Set": a gun file built from a few numbers — up to five shots, each a left click, a
// vertical and a horizontal pull and a delay. The generated rows are previewed; "Yes" keeps
// them for the opener, which stores them as a new macro.
class KivoGunsetDialog : public KivoTranslucentDialog
{
    Q_OBJECT
public:
    KivoGunsetDialog(QWidget* parent, double dScale, int unit);

    QString fileName() const;
    int bullets() const;
    QVector<GunSetRows::Bullet> shots() const;
    // The rows kept by "Yes".
    QVector<MacroEvent> rows() const { return m_Rows; }

    QLineEdit* nameField() const { return m_pName; }
    QComboBox* bulletChoice() const { return m_pBullets; }
    QSpinBox* delayBox(int i) const { return m_pDelay[i]; }
    QSpinBox* verticalBox(int i) const { return m_pVertical[i]; }
    MacroEventView* preview() const { return m_pPreview; }

public slots:
    void OnYesClick();

private:
    void updateRows();
    void layoutControls();

    int m_iUnit;
    QVector<MacroEvent> m_Rows;
    QLabel* m_pTitle = nullptr;
    QLabel* m_pNameCaption = nullptr;
    QLineEdit* m_pName = nullptr;
    QLabel* m_pBulletsCaption = nullptr;
    QComboBox* m_pBullets = nullptr;
    QLabel* m_pHeads[3] = {};
    QLabel* m_pShot[GunSetRows::kMaxBullets] = {};
    QSpinBox* m_pDelay[GunSetRows::kMaxBullets] = {};
    QSpinBox* m_pVertical[GunSetRows::kMaxBullets] = {};
    QSpinBox* m_pHorizontal[GunSetRows::kMaxBullets] = {};
    MacroEventView* m_pPreview = nullptr;
    KivoPushButton* m_pYes = nullptr;
    KivoPushButton* m_pNo = nullptr;
};
