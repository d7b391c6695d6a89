#pragma once

#include <QByteArray>
#include <QtGlobal>

// One supported mouse model: the IDs and usages that recognise its receiver and cable interfaces,
// the interface paths found by the last enumeration, and its names.
struct DeviceSlot
{
    static constexpr int kFieldSize = 255; // 254 characters and the terminator

    quint32 receiverVendorId = 0;
    quint32 cableVendorId = 0;
    quint32 receiverProductId = 0;
    quint32 cableProductId = 0;
    quint32 reserved[4] = {0, 0, 0, 0};
    quint32 receiverMouseUsage = 0;
    quint32 receiverMouseUsagePage = 0;
    quint32 receiverControlUsage = 0;
    quint32 receiverControlUsagePage = 0;
    quint32 cableMouseUsage = 0;
    quint32 cableMouseUsagePage = 0;
    quint32 cableControlUsage = 0;
    quint32 cableControlUsagePage = 0;
    char receiverMousePath[kFieldSize] = {};
    char receiverControlPath[kFieldSize] = {};
    char cableMousePath[kFieldSize] = {};
    char cableControlPath[kFieldSize] = {};
    quint32 receiverMouseFound = 0;
    quint32 cableMouseFound = 0;
    quint32 receiverControlFound = 0;
    quint32 cableControlFound = 0;
    char displayName[kFieldSize] = {}; // Latin-1
    char codeName[kFieldSize] = {};

    // Copies text into a field, cutting what does not fit; the field always ends in a terminator.
    static void setField(char (&field)[kFieldSize], const QByteArray& text)
    {
        const int length = qMin(text.size(), kFieldSize - 1);
        for (int i = 0; i < length; ++i)
            field[i] = text.at(i);
        for (int i = length; i < kFieldSize; ++i)
            field[i] = '\0';
    }
    static QByteArray field(const char (&field)[kFieldSize])
    {
        return QByteArray(field, static_cast<int>(qstrnlen(field, kFieldSize)));
    }
};
