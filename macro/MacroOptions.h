#pragma once

#include "model/MacroFileData.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;

// The options saved with a macro: the delay mode ("RECORD DELAYS BETWEEN ACTION", "INSERT
// DEFAULT DELAY", at most one checked), the default delay, the loop choice (at most one of
// three checked) and the loop count.
class MacroOptions : public QWidget
{
    Q_OBJECT
public:
    explicit MacroOptions(QWidget* parent = nullptr);

    int delayType() const;    // 0, 1, 2
    int loopType() const;     // 0, 1..3
    int defaultDelay() const; // ms, 0 when empty
    int loopTime() const;     // the field as an integer

    // Shows a macro's options; new macros use MacroFileData::newMacro().
    void setOptions(const MacroFileData& data);
    // Fills the option part of `data` from the controls.
    void fillData(MacroFileData& data) const;

    QCheckBox* delayBox(int iType) const; // 1 or 2
    QLineEdit* defaultDelayField() const { return m_pDefaultDelay; }
    QLineEdit* loopTimeField() const { return m_pLoopTime; }

    void retranslate();
    void layoutControls(double dScale);

signals:
    // A check box was clicked; the boxes already follow their rules.
    void optionClicked();

private:
    void onDelayClicked(int iIndex);
    void onLoopClicked(int iIndex);

    QCheckBox* m_pDelayBoxes[2] = {};
    QCheckBox* m_pLoopBoxes[3] = {};
    QLineEdit* m_pDefaultDelay = nullptr;
    QLineEdit* m_pLoopTime = nullptr;
};
