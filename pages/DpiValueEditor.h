#pragma once

#include <QLineEdit>

// A field laid over a DPI value for typing the value instead of sliding to it. Enter hands the
// number over and closes the field; Escape or a click elsewhere closes it and changes nothing.
class DpiValueEditor : public QLineEdit
{
    Q_OBJECT
public:
    // Covers `over` (a sibling) and starts with `iDpi`, selected.
    DpiValueEditor(QWidget* over, int iDpi, int iMaxDpi);

signals:
    void valueEntered(int iDpi);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_bDone = false;
};
