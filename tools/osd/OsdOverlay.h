#pragma once

#include "platform/OsdMessage.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

// The announcement on screen: a dark rounded panel with the text in large bold letters and an
// accent-coloured frame, near the bottom centre of the screen under the pointer. It takes no
// input and no focus, and hides itself when the message's time is up; a new message replaces
// the one shown and starts the time again.
class OsdOverlay : public QWidget
{
    Q_OBJECT

public:
    explicit OsdOverlay(QWidget* parent = nullptr);

    void showMessage(const OsdMessage& message);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_Text;
    QString m_Shown; // m_Text, shortened when wider than the screen
    QColor m_Accent;
    QTimer m_HideTimer;
};
