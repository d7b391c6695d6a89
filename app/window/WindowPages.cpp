#include "app/window/WindowPages.h"

#include "app/window/MainControls.h"
#include "app/window/MousePicture.h"
#include "app/window/PageSwitch.h"
#include "app/window/WindowServices.h"
#include "buttons/KivoBtnWindow.h"
#include "macro/MacroDialog.h"
#include "model/GlobalRecords.h"
#include "pages/DpiTabPages.h"
#include "pages/KivoColorWindow.h"
#include "pages/KivoPointSpeed.h"
#include "pages/KivoReportRate.h"
#include "platform/PointerSpeed.h"
#include "widgets/KivoPushButton.h"
#include "widgets/UserPrompts.h"

#include <QCoreApplication>
#include <QVariant>

WindowPages::WindowPages(QWidget* window, MainControls* controls, double dScale,
                         const QColor& accent, const WindowServices& services, bool bLedDisable)
    : QObject(window), m_pWindow(window), m_pControls(controls), m_dScale(dScale),
      m_Services(services)
{
    m_pPages = new PageSwitch(this);
    m_pPages->setLedDisabled(bLedDisable);
    for (int i = 0; i < PageSwitch::kPageCount; ++i) {
        m_pPages->setTab(i, controls->tab(i));
        m_pPages->addToPage(i, controls->page(i));
    }
    m_pPicture = new MousePicture(window, accent);
    m_pPages->addToPage(PageSwitch::CustomizePage, controls->frontButton());
    m_pPages->addToPage(PageSwitch::CustomizePage, controls->sideButton());
    connect(m_pPages, &PageSwitch::pageShown, this, &WindowPages::onPageShown);
    setFrontView(true);
    if (!bLedDisable)
        m_pColorWindow = new KivoColorWindow(controls->page(PageSwitch::LightingPage), dScale);
}

void WindowPages::show(int iPage)
{
    m_pPages->show(iPage);
}

int WindowPages::current() const
{
    return m_pPages->current();
}

void WindowPages::onPageShown(int iPage)
{
    m_pPicture->setPageVisible(iPage == PageSwitch::CustomizePage);
    if (iPage == PageSwitch::CustomizePage)
        buttonWindow();
    else if (iPage == PageSwitch::DpiPage)
        dpiTab();
    else if (iPage == PageSwitch::MacroPage)
        macroPage();
}

KivoBtnWindow* WindowPages::buttonWindow()
{
    if (!m_pBtnWindow) {
        QWidget* page = m_pControls->page(PageSwitch::CustomizePage);
        m_pBtnWindow = new KivoBtnWindow(&GlobalRecords::live().activeProfile(), page, m_dScale);
        connect(m_pBtnWindow, &KivoBtnWindow::GotoMacroTab, this, &WindowPages::slotGotoMacro);
        connect(m_pBtnWindow, &KivoBtnWindow::PopOneClickBox, this,
                &WindowPages::slotPopOneClickBox);
        connect(m_pBtnWindow, &KivoBtnWindow::SelBtnControl, this, &WindowPages::slotMouseOver);
        m_pBtnWindow->setGeometry(page->rect());
        if (m_iSelectedGroup >= 0)
            m_pBtnWindow->selectButton(m_iSelectedGroup == MousePicture::ArrowGroup ? 2 : 0,
                                       quint8(m_iSelectedHotspot));
        m_pBtnWindow->show();
    }
    return m_pBtnWindow;
}

DpiTabPages* WindowPages::dpiTab()
{
    if (!m_pDpiTab) {
        m_pDpiTab = new DpiTabPages(m_pControls->page(PageSwitch::DpiPage), m_dScale,
                                    m_Services.launcher());
        connect(m_pDpiTab->reportRate(), &KivoReportRate::RefreshLift, this,
                &WindowPages::slotLiftChange);
        connect(m_pDpiTab->pointSpeed(), &KivoPointSpeed::LiftSignal, this,
                &WindowPages::slotLiftChange);
        m_pDpiTab->pointSpeed()->setDesktopSpeedNote(m_Services.pointerSpeed().backendName() ==
                                                     QLatin1String("none"));
        m_pDpiTab->refresh(GlobalRecords::live());
        m_pDpiTab->show();
    }
    return m_pDpiTab;
}

MacroDialog* WindowPages::macroPage()
{
    if (!m_pMacro) {
        m_pMacro = new MacroDialog(m_pControls->page(PageSwitch::MacroPage), m_dScale);
        connect(m_pMacro, &MacroDialog::EnableButtonsSignal, this, &WindowPages::slotEnableButtons);
        m_pMacro->layoutControls(m_dScale);
        m_pMacro->show();
    }
    return m_pMacro;
}

void WindowPages::refresh(const QString& productName)
{
    MouseConfig& live = GlobalRecords::live();
    if (m_pBtnWindow)
        m_pBtnWindow->setProfile(&live.activeProfile());
    if (m_pColorWindow) {
        const int ledSlot =
            KivoColorWindow::lightingSlot(productName, live.ProfileID % MouseConfig::kProfileCount);
        m_pColorWindow->loadProfile(&live.Profile[ledSlot], ledSlot);
    }
    if (m_pDpiTab)
        m_pDpiTab->refresh(live);
    emit refreshed();
}

void WindowPages::layout()
{
    m_pPicture->layout(m_dScale);
    if (m_pDpiTab)
        m_pDpiTab->layout(m_dScale);
    if (m_pBtnWindow) {
        m_pBtnWindow->setScale(m_dScale);
        m_pBtnWindow->setGeometry(m_pControls->page(PageSwitch::CustomizePage)->rect());
    }
    if (m_pMacro)
        m_pMacro->layoutControls(m_dScale);
}

void WindowPages::retranslate()
{
    if (m_pDpiTab)
        m_pDpiTab->retranslate();
}

void WindowPages::setFrontView(bool bFront)
{
    m_pPicture->setFrontView(bFront);
    m_pControls->frontButton()->setChecked(bFront);
    m_pControls->sideButton()->setChecked(!bFront);
}

void WindowPages::selectHotspot(int iGroup, int iIndex)
{
    m_iSelectedGroup = iGroup;
    m_iSelectedHotspot = iIndex;
    m_pPicture->select(iGroup, iIndex);
    // Front and side hotspots stand for the buttons of the first set, the arrows for the wheel.
    if (m_pBtnWindow)
        m_pBtnWindow->selectButton(iGroup == MousePicture::ArrowGroup ? 2 : 0, quint8(iIndex));
}

void WindowPages::slotGotoMacro(quint8 iBtn)
{
    show(iBtn);
}

void WindowPages::slotPopOneClickBox()
{
    // The catalogues carry these texts under the window's name.
    UserPrompts::notice(m_pWindow, QCoreApplication::translate("MousecfgWidget", "Warning"),
                        QCoreApplication::translate("MousecfgWidget",
                                                    "AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

void WindowPages::slotEnableButtons(bool bEnable)
{
    for (KivoPushButton* button : m_pControls->allButtons())
        button->setEnabled(bEnable);
}

void WindowPages::slotLiftChange(quint8 iLift)
{
    GlobalRecords::live().LiftHigh = iLift;
    // Both controls of the lift-off distance show the one value.
    if (m_pDpiTab)
        m_pDpiTab->showLift(iLift);
}

void WindowPages::slotMouseOver(KivoPushButton* btn, bool bType)
{
    // The button window numbers its buttons 0..19 in the property "buttonIndex".
    bool ok = false;
    const int index = btn ? btn->property("buttonIndex").toInt(&ok) : -1;
    if (bType || !ok)
        m_pPicture->highlight(-1);
    else
        m_pPicture->highlight(index);
}

void WindowPages::onDpiStageChanged(quint8 iStage)
{
    if (m_pDpiTab)
        m_pDpiTab->selectStage(iStage);
}

void WindowPages::onRateChanged()
{
    if (m_pDpiTab)
        m_pDpiTab->reloadRate(GlobalRecords::live());
}
