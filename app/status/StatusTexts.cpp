#include "app/status/StatusTexts.h"

#include <QCoreApplication>

QString StatusTexts::profile(int iProfile)
{
    return QCoreApplication::translate("MousecfgWidget", "Profile") +
           QString::asprintf(" %d", iProfile + 1);
}

QString StatusTexts::dpi(int iLevel, int iDpiValue)
{
    return QCoreApplication::translate("MousecfgWidget", "DPI") +
           QString::asprintf(" %d:%d", iLevel + 1, iDpiValue);
}

QString StatusTexts::rate(quint8 iRate)
{
    switch (iRate) {
    case 8:
        return QStringLiteral("125 HZ");
    case 4:
        return QStringLiteral("250 HZ");
    case 2:
        return QStringLiteral("500 HZ");
    case 1:
        return QStringLiteral("1000 HZ");
    default:
        return QString();
    }
}
