#include "macro/MacroRowText.h"

#include "macro/MacroRows.h"
#include "model/KeyTable.h"

QString MacroRowText::buttonName(quint8 mask)
{
    switch (mask) {
    case MacroRows::kLeft:
        return tr("LEFT CLICK");
    case MacroRows::kMiddle:
        return tr("MIDDLE CLICK");
    case MacroRows::kRight:
        return tr("RIGHT CLICK");
    case MacroRows::kForward:
        return tr("FORWARD");
    case MacroRows::kBackward:
        return tr("BACKWARD");
    default:
        return QString();
    }
}

QString MacroRowText::directionName(int direction)
{
    switch (direction) {
    case MacroRows::MoveLeft:
        return tr("MOVE LEFT");
    case MacroRows::MoveRight:
        return tr("MOVE RIGHT");
    case MacroRows::MoveUp:
        return tr("MOVE UP");
    default:
        return tr("MOVE DOWN");
    }
}

MacroRowText::Texts MacroRowText::texts(const MacroEvent& row, int unit)
{
    Texts t;
    const QString pressed = MacroRows::isPress(row) ? tr("Press") : tr("Release");
    switch (MacroRows::kind(row)) {
    case MacroRows::KeyKind: {
        quint8 code = 0;
        t.key = KeyTable::usageToKeyCode(row.DataL, code) ? KeyTable::keyName(code)
                                                          : QStringLiteral("#%1").arg(row.DataL);
        t.action = pressed;
        break;
    }
    case MacroRows::ButtonKind:
        t.key = buttonName(row.DataL);
        t.action = pressed;
        break;
    case MacroRows::MoveKind:
        t.key = directionName(MacroRows::direction(row));
        t.action = QString::number(MacroRows::distance(row));
        break;
    case MacroRows::DelayKind:
        t.delay = QString::asprintf(qPrintable(tr("%d ms")),
                                    MacroRows::delayCountOf(row) * qMax(1, unit));
        break;
    case MacroRows::OtherKind:
        t.key = QStringLiteral("%1 %2 %3").arg(row.Map).arg(row.DataH).arg(row.DataL);
        break;
    }
    return t;
}

QString MacroRowText::iconFile(const MacroEvent& row)
{
    switch (MacroRows::kind(row)) {
    case MacroRows::KeyKind:
        return MacroRows::isPress(row) ? QStringLiteral("macro_keydown.png")
                                       : QStringLiteral("macro_keyup.png");
    case MacroRows::ButtonKind:
        return QStringLiteral("macro_mouse.png");
    case MacroRows::MoveKind:
        return QStringLiteral("macro_move.png");
    case MacroRows::DelayKind:
        return QStringLiteral("macro_delay.png");
    default:
        return QString();
    }
}
