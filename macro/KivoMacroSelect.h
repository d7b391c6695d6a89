#pragma once

#include "widgets/KivoTranslucentDialog.h"

class KivoPushButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
struct ButtonAssignment;

// Chooses the macro (or gun file) of a button and how it repeats. The opener reads the choice
// only after "Yes"; "No" leaves the button as it was.
class KivoMacroSelect : public KivoTranslucentDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        LoopMode = 0,      // "LOOPS TIME(1-255)"
        WhileHeldMode = 1, // "REPEAT RUN WHEN KEY DOWN"
        UntilPressMode = 2 // "REPEAT RUN UNTIL THE KEY DOWN"
    };

    static const char* const kMacroTitle;
    static const char* const kGunFileTitle;

    // `title` is kMacroTitle or kGunFileTitle, untranslated.
    KivoMacroSelect(const QString& title, const QString& name, int iLoop, int iMode, int iFlag,
                    QWidget* parent, double dScale = 1.0);

    QString name() const { return m_Name; }
    // The loop field as an integer (0 when empty); 1 while "Left Button Macro" is checked.
    int loopCount() const;
    // The checked mode, 0 with none checked or while "Left Button Macro" is checked.
    int mode() const;
    int flag() const { return m_iFlag; }

    // Writes the choice into the button: code, name, loop count, mode, flag, and the events of
    // the macro file behind the events' count (at most the 84 the record holds). Entries behind
    // the count keep what they held. Returns the number of events copied.
    int writeInto(ButtonAssignment& button, int iCode) const;

    void chooseName(const QString& name);
    void chooseMode(int iMode);
    void chooseLeftButtonMacro();

    QMenu* nameMenu() const { return m_pMenu; }
    QLineEdit* loopEdit() const { return m_pLoop; }
    QCheckBox* modeButton(int iMode) const { return m_pModes[iMode]; }
    QCheckBox* leftButtonMacro() const { return m_pLeft; }
    KivoPushButton* yesButton() const { return m_pYes; }
    KivoPushButton* noButton() const { return m_pNo; }

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void checkbtn_clicked();

private:
    void retranslate();
    void showChecks();
    void updateYes();

    QString m_TitleKey;
    QString m_Name;
    int m_iMode = LoopMode;
    int m_iFlag = 0;

    QLabel* m_pTitle = nullptr;
    KivoPushButton* m_pNameButton = nullptr;
    QMenu* m_pMenu = nullptr;
    QLineEdit* m_pLoop = nullptr;
    QCheckBox* m_pModes[3] = {};
    QCheckBox* m_pLeft = nullptr;
    KivoPushButton* m_pYes = nullptr;
    KivoPushButton* m_pNo = nullptr;
};
