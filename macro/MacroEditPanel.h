#pragma once

#include "model/MacroEvent.h"

#include <QStackedWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;

// The editing panel for the current row, chosen by the row's type: the key's name, the mouse
// button (radio choice), the movement's direction and distance, or the delay in milliseconds.
class MacroEditPanel : public QStackedWidget
{
    Q_OBJECT
public:
    enum Page
    {
        EmptyPage,
        KeyPage,
        ButtonPage,
        MovePage,
        DelayPage
    };

    explicit MacroEditPanel(QWidget* parent = nullptr);

    // Shows the panel for `row` (null: none) without emitting any change.
    void showRow(const MacroEvent* row, int unit);
    void setKeyEditMode(bool bOn);
    void retranslate();
    void layoutControls(double dScale);

    QButtonGroup* buttonChoice() const { return m_pButtons; }

signals:
    void buttonChosen(quint8 mask);
    void moveTextChanged(const QString& text);
    void delayTextChanged(const QString& text);

private:
    QWidget* page(Page p) const { return widget(int(p)); }

    QLabel* m_pKeyName = nullptr;
    QLabel* m_pKeyHint = nullptr;
    QButtonGroup* m_pButtons = nullptr;
    QLabel* m_pDirection = nullptr;
    QLabel* m_pMoveCaption = nullptr;
    QLineEdit* m_pMove = nullptr;
    QLabel* m_pDelayCaption = nullptr;
    QLineEdit* m_pDelay = nullptr;
    bool m_bKeyEdit = false;
    int m_iDirection = 0;
};
