#include "app/window/PageSwitch.h"

#include "widgets/KivoPushButton.h"

PageSwitch::PageSwitch(QObject* parent) : QObject(parent) {}

int PageSwitch::effectivePage(int iPage, bool bLedDisable)
{
    if (iPage < 0 || iPage >= kPageCount)
        return -1;
    return (iPage == LightingPage && bLedDisable) ? CustomizePage : iPage;
}

void PageSwitch::setTab(int iPage, KivoPushButton* tab)
{
    if (iPage >= 0 && iPage < kPageCount)
        m_Tabs[iPage] = tab;
}

KivoPushButton* PageSwitch::tab(int iPage) const
{
    return iPage >= 0 && iPage < kPageCount ? m_Tabs[iPage] : nullptr;
}

void PageSwitch::addToPage(int iPage, QWidget* widget)
{
    if (iPage >= 0 && iPage < kPageCount && widget)
        m_Widgets[iPage].append(widget);
}

int PageSwitch::show(int iPage)
{
    const int page = effectivePage(iPage, m_bLedDisable);
    if (page < 0)
        return -1;
    for (int i = 0; i < kPageCount; ++i) {
        if (m_Tabs[i])
            m_Tabs[i]->setChecked(i == page);
    }
    // Hide first, so that widgets shared by two pages end up shown.
    for (int i = 0; i < kPageCount; ++i) {
        if (i != page) {
            for (QWidget* w : m_Widgets[i])
                w->hide();
        }
    }
    for (QWidget* w : m_Widgets[page])
        w->show();
    m_iCurrent = page;
    emit pageShown(page);
    return page;
}
