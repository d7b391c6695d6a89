#pragma once

#include "model/ProfileData.h"

#include <QObject>

#include <memory>

class DesktopMouseSettings;
class KivoDPIWindow;
class KivoPointSpeed;
class KivoReportRate;
class ProgramLauncher;
class QWidget;
struct MouseConfig;

// The three widgets of the main window's DPI tab, side by side on its page: the DPI page, the
// report-rate panel and the mouse setting page. Loads them from the live configuration, hands
// their values back for Apply and OK, and shows the one lift-off value on both controls that
// offer it.
class DpiTabPages : public QObject
{
    Q_OBJECT
public:
    DpiTabPages(QWidget* page, double dScale, ProgramLauncher& launcher);
    ~DpiTabPages() override;

    // Every page from the active profile and the device-wide values of `live`.
    void refresh(const MouseConfig& live);
    // The DPI stage and levels, the report rate and the mouse settings into `live`.
    void takeValues(MouseConfig& live) const;
    void selectStage(quint8 iStage);
    void reloadRate(const MouseConfig& live);
    void showLift(quint8 iLift);

    void retranslate();
    void layout(double dScale);
    // The three panels, for a tab built while its page is already on screen.
    void show();
    // What the pages show, read back from their controls, in one line for the diagnostics.
    QString shownValues() const;

    KivoDPIWindow* dpiWindow() const { return m_pDpi; }
    KivoReportRate* reportRate() const { return m_pRate; }
    KivoPointSpeed* pointSpeed() const { return m_pSpeed; }

private:
    ProfileData m_SpeedProfile; // the mouse setting page's profile copy
    std::unique_ptr<DesktopMouseSettings> m_pMouseSettings;
    KivoDPIWindow* m_pDpi;
    KivoReportRate* m_pRate;
    KivoPointSpeed* m_pSpeed;
};
