#pragma once

#include <QObject>
#include <QVector>

class KivoPushButton;
class QWidget;

// The four pages of the main window behind their tabs: 0 lighting, 1 customise, 2 DPI,
// 3 macro. Showing a page checks its tab and shows only that page's widgets. On a model
// without lighting settings page 1 stands in wherever page 0 is asked for.
class PageSwitch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPageCount = 4;
    enum Page
    {
        LightingPage = 0,
        CustomizePage = 1,
        DpiPage = 2,
        MacroPage = 3
    };

    explicit PageSwitch(QObject* parent = nullptr);

    static int effectivePage(int iPage, bool bLedDisable);

    void setTab(int iPage, KivoPushButton* tab);
    KivoPushButton* tab(int iPage) const;
    void addToPage(int iPage, QWidget* widget);
    void setLedDisabled(bool bLedDisable) { m_bLedDisable = bLedDisable; }

    // Returns the page shown (-1 for a number outside 0..3, which changes nothing).
    int show(int iPage);
    int current() const { return m_iCurrent; }

signals:
    void pageShown(int iPage);

private:
    KivoPushButton* m_Tabs[kPageCount] = {};
    QVector<QWidget*> m_Widgets[kPageCount];
    bool m_bLedDisable = false;
    int m_iCurrent = -1;
};
