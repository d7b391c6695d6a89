#pragma once

#include <QObject>
#include <QString>

class DpiTabPages;
class KivoBtnWindow;
class KivoColorWindow;
class KivoPushButton;
class MacroDialog;
class MainControls;
class MousePicture;
class PageSwitch;
class QColor;
class QWidget;
class WindowServices;

// The main window's four pages and what is on them: the lighting page, the mouse picture with
// its view buttons and the button list, the DPI tab, the macro editor. The button list, the DPI
// tab and the macro editor are built on their first display, or when something needs them
// sooner: the window opens on the lighting page, and opens sooner without them.
class WindowPages : public QObject
{
    Q_OBJECT
public:
    // The pages go onto the page widgets of `controls`, the picture onto `window`.
    WindowPages(QWidget* window, MainControls* controls, double dScale, const QColor& accent,
                const WindowServices& services, bool bLedDisable);

    // Page 0..3 under the tab rule (no lighting page on a model without lighting settings).
    void show(int iPage);
    int current() const;

    MousePicture* picture() const { return m_pPicture; }
    KivoBtnWindow* buttonWindow();
    DpiTabPages* dpiTab();
    MacroDialog* macroPage();
    // The same, or nullptr while the page was never built.
    DpiTabPages* builtDpiTab() const { return m_pDpiTab; }
    MacroDialog* builtMacroPage() const { return m_pMacro; }

    // What the built pages show, from the active profile of the live configuration.
    void refresh(const QString& productName);
    void layout();
    void retranslate();
    void setFrontView(bool bFront);
    // A picture hotspot (group 0 front, 1 side, 2 arrows) chooses the button the list edits.
    void selectHotspot(int iGroup, int iIndex);

public slots:
    void slotGotoMacro(quint8 iBtn);
    void slotPopOneClickBox();
    void slotEnableButtons(bool bEnable);
    void slotLiftChange(quint8 iLift);
    void slotMouseOver(KivoPushButton* btn, bool bType);
    // The mouse switched its level or rate itself; a DPI tab not built yet reads it when built.
    void onDpiStageChanged(quint8 iStage);
    void onRateChanged();

signals:
    // The built pages show the live configuration afresh.
    void refreshed();

private:
    void onPageShown(int iPage);

    QWidget* m_pWindow;
    MainControls* m_pControls;
    double m_dScale;
    const WindowServices& m_Services;
    int m_iSelectedHotspot = -1;
    int m_iSelectedGroup = -1;
    PageSwitch* m_pPages;
    MousePicture* m_pPicture;
    // None on a model whose description switches lighting off.
    KivoColorWindow* m_pColorWindow = nullptr;
    KivoBtnWindow* m_pBtnWindow = nullptr;
    DpiTabPages* m_pDpiTab = nullptr;
    MacroDialog* m_pMacro = nullptr;
};
