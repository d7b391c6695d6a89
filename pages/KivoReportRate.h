#pragma once

#include "model/ProfileData.h"

#include <QWidget>

class KivoPushButton;
class QButtonGroup;
class QLabel;
class QRadioButton;

// The report-rate panel of the DPI page: the current profile's report rate, chosen with four
// buttons side by side, and the mouse's lift-off distance. The rate stays in the panel's copy of
// the profile until Apply takes it; a lift-off choice is reported at once (RefreshLift), since it
// is one value for all profiles that the main window keeps.
class KivoReportRate : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRateCount = 4;
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 300;

    KivoReportRate(QWidget* parent, double dScale, const QColor& accent);

    // The text of a rate code ("125 HZ" for 8 ... "1000 HZ" for 1), untranslated; null for a code
    // that is none of them.
    static const char* rateText(quint8 iCode);
    // A lift-off value as shown and kept: 1, or 2 for anything else.
    static quint8 shownLift(int iLift);

    // Copies the profile, shows its rate (a code without a text shows no text and leaves the
    // rate buttons as they were) and the lift-off value.
    void load(const ProfileData& profile, int iLift);
    // Shows the lift-off value without reporting it.
    void showLift(int iLift);

    quint8 rateCode() const { return m_ProfileData.pollrate; }
    quint8 lift() const { return m_iLift; }

    void retranslate();
    void layout(double dScale);

    KivoPushButton* rateButton() const { return m_pRateButton; }
    KivoPushButton* rateChoice(int i) const { return m_pChoices[i]; }
    QRadioButton* liftButton(int i) const { return m_pLift[i]; }

signals:
    void RefreshLift(quint8 iLift);

public slots:
    void onRadioChanged();

private:
    void onRateClicked(int iChoice);
    void showRate();

    ProfileData m_ProfileData;
    quint8 m_iLift = 2;
    QLabel* m_pTitle;
    KivoPushButton* m_pRateButton;
    KivoPushButton* m_pChoices[kRateCount] = {};
    QButtonGroup* m_pRateGroup;
    QLabel* m_pPicture;
    QLabel* m_pLiftTitle;
    QRadioButton* m_pLift[2] = {};
    QButtonGroup* m_pLiftGroup;
};
