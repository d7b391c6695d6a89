#pragma once

#include <QColor>
#include <QWidget>

class DefaultColorArea;
class KivoPushButton;
class QActionGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QSlider;
struct ProfileData;

// The lighting page: the lighting effect of a profile and, per effect, its brightness, speed and
// colour; the sleep time and the move-to-light-off option. It edits the profile record it is
// given in place (the live record); nothing goes to the mouse from here, Apply writes it.
class KivoColorWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 729;
    static constexpr int kHeight = 477;
    static constexpr int kEffectCount = 12;
    static constexpr int kSwatchCount = 8;

    enum Effect
    {
        Off,
        FullLighted,
        SevenColor,
        Breathing,
        SevenColorBreathing,
        Rainbow,
        Wave,
        SingleWave,
        YoYo,
        SevenColorTail,
        Reactive,
        TriColorRunning
    };

    // Which of the optional controls an effect shows; none for an index outside the effects.
    struct Controls
    {
        bool bBright = false;
        bool bSpeed = false;
        bool bColor = false;
    };
    static Controls controlsOf(int iEffect);
    // The effect at position iPos (0..11) of the effect menu.
    static int menuEffect(int iPos);
    // Translated name; empty outside the effects.
    static QString effectName(int iEffect);
    // The untranslated name, as scripts give it; null outside 0..kEffectCount-1.
    static const char* effectKey(int iEffect);
    // The profile slot whose lighting the page edits: slot 0 for a model whose lighting all
    // profiles share, the current slot otherwise.
    static int lightingSlot(const QString& productName, int iCurrent);

    explicit KivoColorWindow(QWidget* parent = nullptr, double dScale = 1.0);

    // Shows and from now on edits pProfile, the record of slot iProfile.
    void loadProfile(ProfileData* pProfile, int iProfile);
    ProfileData* profile() const { return m_pProfileData; }
    // The effect menu's choice.
    void selectEffect(int iEffect);
    QMenu* effectMenu() const { return m_pEffectMenu; }

public slots:
    void slotSliderMouseChange();
    void slotSendLedState(QColor color);
    void slotApplyColor();
    void color_clicked();
    void checkbtn_clicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void retranslate();
    void rebuildEffectMenu();
    void showEffect(int iEffect);
    void showSleep();
    void showColors();
    QRect scaledRect(int x, int y, int w, int h) const;
    QLabel* titleLabel(const char* name);
    QSlider* slider(int iMin, int iMax, const char* name);

    double m_dScale = 1.0;
    ProfileData* m_pProfileData = nullptr;
    int m_iProfile = 0;

    QLabel* m_pEffectLabel = nullptr;
    KivoPushButton* m_pEffectButton = nullptr;
    QMenu* m_pEffectMenu = nullptr;
    QActionGroup* m_pEffectGroup = nullptr;
    QLabel* m_pBrightLabel = nullptr;
    QSlider* m_pBrightSlider = nullptr;
    QLabel* m_pSpeedLabel = nullptr;
    QSlider* m_pSpeedSlider = nullptr;
    QLabel* m_pColorLabel = nullptr;
    DefaultColorArea* m_pColorButton = nullptr;
    DefaultColorArea* m_pSwatches[kSwatchCount] = {};
    QLabel* m_pSleepLabel = nullptr;
    QSlider* m_pSleepSlider = nullptr;
    QLabel* m_pSleepValue = nullptr;
    QCheckBox* m_pMoveOff = nullptr;
};
