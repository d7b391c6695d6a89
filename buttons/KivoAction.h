#pragma once

#include <QAction>

// A menu entry of the button menus: the catalogue code it stands for.
class KivoAction : public QAction
{
    Q_OBJECT
public:
    KivoAction(int iCode, QObject* parent) : QAction(parent), m_iCode(iCode) {}
    int code() const { return m_iCode; }

private:
    int m_iCode;
};
