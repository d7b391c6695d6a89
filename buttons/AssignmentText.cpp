#include "buttons/AssignmentText.h"

#include "buttons/ButtonWrites.h"
#include "model/ButtonAssignment.h"
#include "model/FunctionCode.h"
#include "model/KeyTable.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
QString usageName(quint8 usage)
{
    quint8 code = 0;
    return KeyTable::usageToKeyCode(usage, code) ? KeyTable::keyName(code) : QString();
}

// The fire-key window's own words for its targets.
QString fired(quint8 res1)
{
    switch (res1) {
    case 0:
    case ButtonWrites::kFireLeft:
        return QCoreApplication::translate("KivoFireKeyWindow", "Left");
    case ButtonWrites::kFireRight:
        return QCoreApplication::translate("KivoFireKeyWindow", "Right");
    case ButtonWrites::kFireMiddle:
        return QCoreApplication::translate("KivoFireKeyWindow", "Middle");
    default:
        return usageName(res1);
    }
}
} // namespace

QString AssignmentText::detail(const ButtonAssignment& button)
{
    switch (button.Fun) {
    case FunctionCode::SingleKey:
        return button.Res1 != 0 ? KeyTable::keyName(button.Res1) : QString();
    case FunctionCode::ComboKey: {
        QStringList names;
        for (quint8 code : ButtonWrites::comboKeys(button))
            names << KeyTable::keyName(code);
        return names.join(QLatin1Char('+'));
    }
    case FunctionCode::FireKey: {
        const QString target = fired(button.Res1);
        return target.isEmpty()
                   ? QString()
                   : target + QStringLiteral(" \u00d7") +
                         QString::number(button.LoopNumber != 0 ? button.LoopNumber : 3);
    }
    default:
        return QString();
    }
}

QString AssignmentText::withDetail(const QString& label, const ButtonAssignment& button)
{
    const QString more = detail(button);
    return more.isEmpty() ? label : label + QStringLiteral(" \u00b7 ") + more;
}
