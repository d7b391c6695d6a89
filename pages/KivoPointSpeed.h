#pragma once

#include <QWidget>

class DesktopMouseSettings;
class KivoPushButton;
class QCheckBox;
class QLabel;
class QSlider;
class QSpinBox;
struct MouseConfig;
struct ProfileData;

// The mouse setting page: the mouse's key response, sync, lift-off distance, angle snapping and
// jitter (one value each for all profiles) and the profile's wheel scroll lines, with a button
// that opens the desktop's own mouse settings. Each on/off choice is a pair of check boxes that
// act as one two-way switch.
class KivoPointSpeed : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 163;
    static constexpr int kHeight = 477;
    static constexpr int kKeyResponseMin = 5;
    static constexpr int kKeyResponseMax = 30;
    static constexpr int kScrollMin = 1;
    static constexpr int kScrollMax = 20;
    enum Pair
    {
        SyncPair,
        LiftPair,
        AnglePair,
        JitterPair,
        PairCount
    };

    // `pProfile` is the profile copy the page edits; it outlives the page.
    KivoPointSpeed(ProfileData* pProfile, QWidget* parent, double dScale, const QColor& accent);

    void setMouseSettings(DesktopMouseSettings* pSettings) { m_pMouseSettings = pSettings; }
    // Where the tool cannot reach the session's pointer speed (a Wayland desktop other than
    // GNOME), a line says that the desktop's own settings apply.
    void setDesktopSpeedNote(bool bShow);

    // Shows the values and the profile copy's scroll lines, with the current language's font.
    void refresh(int iKeyResponse, int iSync, int iLift, int iAngle, int iJitter);
    // Shows the lift-off value without reporting it.
    void showLift(int iLift);
    // The values into the device-wide settings of `live`, the pointer speed and scroll lines of
    // the profile copy into its active profile.
    void collect(MouseConfig& live) const;

    int sync() const { return m_iSync; }
    int lift() const { return m_iLift; }
    int angle() const { return m_iAngle; }
    int jitter() const { return m_iJitter; }
    int keyResponse() const { return m_iKeyResponse; }

    void retranslate();
    void layout(double dScale);

    QSlider* keyResponseSlider() const { return m_pSlider; }
    QLabel* keyResponseValue() const { return m_pSliderValue; }
    QSpinBox* scrollSpin() const { return m_pSpin; }
    QCheckBox* box(Pair pair, bool bFirst) const { return m_pBoxes[pair][bFirst ? 0 : 1]; }
    KivoPushButton* mouseSettingButton() const { return m_pMouseButton; }

signals:
    // The user chose a lift-off distance here.
    void LiftSignal(quint8 iLift);

public slots:
    void checkbtn_clicked();
    void sValueChangedSlot(int iValue);
    void onSliderChanged(int iValue);

private:
    int* valueOf(Pair pair);
    void showPair(Pair pair, bool bFirst);

    ProfileData* m_pProfile;
    DesktopMouseSettings* m_pMouseSettings = nullptr;
    double m_dScale;
    int m_iSync = 0;
    int m_iLift = 1;
    int m_iAngle = 0;
    int m_iJitter = 0;
    int m_iKeyResponse = kKeyResponseMin;

    QLabel* m_pSliderTitle;
    QSlider* m_pSlider;
    QLabel* m_pSliderValue;
    QLabel* m_pSpinTitle;
    QSpinBox* m_pSpin;
    QLabel* m_pPairTitles[PairCount] = {};
    QCheckBox* m_pBoxes[PairCount][2] = {};
    KivoPushButton* m_pMouseButton;
    QLabel* m_pSpeedNote = nullptr;
};
