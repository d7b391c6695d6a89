#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One interface as enumeration reports it (the fields the tool uses).
struct HidDeviceInfo
{
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    QString manufacturer;
    QString product;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = -1;
};
