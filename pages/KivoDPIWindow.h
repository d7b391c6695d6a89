#pragma once

#include "model/ProfileData.h"

#include <QColor>
#include <QString>
#include <QWidget>

class KivoSingleDPI;
class QButtonGroup;
class QRadioButton;

// The DPI page: the eight DPI levels of the current profile, each in a KivoSingleDPI row, and the
// radio buttons that pick the DPI stage. It edits its own copy of the profile; Apply in the main
// window takes the stage and the eight levels from it. The model decides how many levels are
// offered and, with the sensor, each row's range.
class KivoDPIWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kLevelCount = ProfileData::kDpiLevelCount;
    static constexpr int kWidth = 390;
    static constexpr int kHeight = 477;

    KivoDPIWindow(QWidget* parent, double dScale, const QColor& accent);

    // The model's DPI level count (a count outside 1..8 counts as 8), the description's
    // wide-range flag and the product name.
    void setModel(int iDpiCount, int iWideRange, const QString& product);
    static int visibleCount(int iDpiCount);

    // Configures the rows for the sensor, copies the profile and shows its levels and stage.
    void load(const ProfileData& profile, int iSensor);
    // Makes `iStage` the stage and draws its row in the accent colour.
    void selectStage(quint8 iStage);

    quint8 stage() const { return m_ProfileData.dpi; }
    const DpiLevel& level(int iLevel) const { return m_ProfileData.DpiInfo[iLevel]; }
    const ProfileData& profile() const { return m_ProfileData; }
    int sensor() const { return m_iSensor; }

    void retranslate();
    void layout(double dScale);

    KivoSingleDPI* row(int iLevel) const { return m_pRows[iLevel]; }
    QRadioButton* stageButton(int iLevel) const { return m_pRadios[iLevel]; }

public slots:
    void onRadioChanged();
    void onLinkChanged(quint8 iLink, quint8 iIndex);
    void onEnableChanged(quint8 iUsed, quint8 iIndex);
    void onSliderChanged(int iX, int iY, quint8 iIndex);
    void MouseinSignal(quint8 iIndex);

private:
    ProfileData m_ProfileData;
    int m_iDpiCount = kLevelCount;
    int m_iSensor = 0;
    int m_iWideRange = 0;
    QString m_Product;
    QColor m_Accent;
    double m_dScale;
    KivoSingleDPI* m_pRows[kLevelCount] = {};
    QRadioButton* m_pRadios[kLevelCount] = {};
    QButtonGroup* m_pStageGroup;
};
