#pragma once

#include "app/window/WindowDrag.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

class CustomItemWidget;
class DeviceChangeNotifier;
class KivoPushButton;
class QLabel;
class QListWidget;

// The device chooser: one row per connected mouse, or "Dongle Disconnect!" while there is none.
// A click marks a row and takes its name; a double click or "OK" accepts it, "Cancel" or Escape
// rejects. When the list changes to a single mouse from none or from two, that mouse is taken and
// the dialog accepts at once: there is nothing left to choose.
//
// While open it may follow device arrival and removal on its own notifier and passes them on as
// devicePluggedIn and deviceUnplugged (the interface path); the notifier goes when it closes.
class MouseDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kGridWidth = 132;
    static constexpr int kGridHeight = 172;

    explicit MouseDialog(const QStringList& devices, QWidget* parent = nullptr);
    ~MouseDialog() override;

    // Takes ownership; null drops the current one.
    void setNotifier(DeviceChangeNotifier* notifier);
    DeviceChangeNotifier* notifier() const;

    // The name taken by the last click or by the refresh rule; the result when accepted.
    QString selectedName() const { return m_SelectedName; }
    QStringList devices() const { return m_Devices; }
    int markedRow() const;
    bool isShowingDisconnect() const;

    QListWidget* listWidget() const { return m_pList; }
    CustomItemWidget* rowWidget(int row) const;
    QLabel* messageLabel() const { return m_pMessage; }
    KivoPushButton* okButton() const { return m_pOk; }
    KivoPushButton* cancelButton() const { return m_pCancel; }

public slots:
    // The list of connected mice changed.
    void slotRefreshList(const QStringList& devices);
    void markRow(int row);

signals:
    void devicePluggedIn(const QString& deviceName);
    void deviceUnplugged(const QString& deviceName);

protected:
    void done(int result) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void rebuildRows();

    QStringList m_Devices;
    QString m_SelectedName;
    QPointer<DeviceChangeNotifier> m_pNotifier;
    WindowDrag m_Drag;

    QLabel* m_pTitle = nullptr;
    QLabel* m_pPrompt = nullptr;
    QListWidget* m_pList = nullptr;
    QLabel* m_pMessage = nullptr;
    KivoPushButton* m_pOk = nullptr;
    KivoPushButton* m_pCancel = nullptr;
};
