#pragma once

#include "macro/MacroRecorder.h"
#include "macro/MacroRowEditor.h"
#include "platform/KeyboardHook.h"

#include <QHash>
#include <QWidget>

#include <memory>

class KeyCapture;
class KivoPushButton;
class MacroEditPanel;
class MacroEventView;
class MacroFileActions;
class MacroOptions;
class MouseCommandTree;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QTreeWidgetItem;

// The macro page: the macro list on the left, the event list of the current macro with the
// recording and row commands in the middle, the mouse commands, the editing panel and the
// options on the right. Every change is made to the event list on screen; "SAVE" writes the
// macro file, "CANCEL" reloads it. File work goes through MacroFileActions.
class MacroDialog : public QWidget
{
    Q_OBJECT
public:
    enum Command
    {
        StartStop,
        NewMacro,
        DeleteMacro,
        ChangeName,
        Save,
        Cancel,
        DeleteRow,
        MoveUp,
        MoveDown,
        MoveTop,
        MoveBottom,
        ClearRows,
        EditKey,
        InsertDelay,
        GunSet,
        Import,
        Export,
        Batch,
        Copy,
        Cut,
        Paste,
        kCommandCount
    };

    // `hook` is the platform's keyboard hook when null; tests pass their own.
    MacroDialog(QWidget* parent, double dScale, std::unique_ptr<KeyboardHook> hook = nullptr);
    ~MacroDialog() override;

    void layoutControls(double dScale);
    void retranslate();
    // Rebuilds the macro list from Config.ini and selects `select` (the first macro when empty
    // or absent), loading it.
    void reloadMacroList(const QString& select = QString());

    void runCommand(Command command);
    KivoPushButton* commandButton(Command command) const { return m_pButtons[command]; }
    const MacroRowEditor& rowEditor() const { return m_Rows; }
    QString currentMacro() const { return m_CurrentName; }
    bool isRecording() const { return m_bRecording; }
    bool isKeyEditMode() const { return m_bKeyEdit; }
    // Rows differ from the macro's file.
    bool hasUnsavedRows() const { return m_Rows.isModified(); }
    int delayUnit() const { return m_iUnit; }
    QListWidget* macroList() const { return m_pMacroList; }
    MouseCommandTree* commandTree() const { return m_pTree; }
    MacroEditPanel* editPanel() const { return m_pPanel; }
    MacroOptions* options() const { return m_pOptions; }
    QLineEdit* nameField() const { return m_pName; }

signals:
    void EnableButtonsSignal(bool bEnable);

public slots:
    void TreeitemClick(QTreeWidgetItem* item, int column);
    void itemClicked(const QModelIndex& index);
    void EditMoveChanged(const QString& text);
    void EditDelayChanged(const QString& text);
    void DefDelayChanged(const QString& text);
    void LoopTimeChanged(const QString& text);
    void CurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void checkbtn_clicked();
    void SelectRow(int iRow);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void onCommandClicked();
    void onKey(const KeyStroke& stroke);
    void onButtonChosen(quint8 mask);

private:
    void buildControls();
    void startRecording();
    void stopRecording();
    void saveCurrent();
    void loadMacro(const QString& name);
    void leaveEditing();
    void setControlsEnabled(bool bEnable);
    void insertRows(const QVector<MacroEvent>& rows);
    void refreshRows();
    void updatePanel();
    void openGunSet();
    QStringList checkedMacros() const;
    void updateHint();

    int m_iUnit;
    double m_dScale;
    MacroRowEditor m_Rows;
    MacroRecorder m_Recorder;
    std::unique_ptr<MacroFileActions> m_pFiles;
    KeyCapture* m_pCapture = nullptr;
    QString m_CurrentName;
    bool m_bRecording = false;
    bool m_bKeyEdit = false;
    bool m_bBatch = false;
    int m_iDefaultDelay = 10;
    int m_iLoopTime = 1;

    KivoPushButton* m_pButtons[kCommandCount] = {};
    QLabel* m_pListCaption = nullptr;
    QLabel* m_pNameCaption = nullptr;
    QLabel* m_pTreeCaption = nullptr;
    QLabel* m_pHint = nullptr;
    QListWidget* m_pMacroList = nullptr;
    QLineEdit* m_pName = nullptr;
    MacroEventView* m_pEvents = nullptr;
    MouseCommandTree* m_pTree = nullptr;
    MacroEditPanel* m_pPanel = nullptr;
    MacroOptions* m_pOptions = nullptr;
};
