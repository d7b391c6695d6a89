#pragma once

#include "model/FunctionCode.h"

#include <QString>
#include <QtGlobal>

#include <cstring>

// One button: its function code and the parameters that code uses.
struct ButtonAssignment
{
    static constexpr int kKeyInfoCount = 84;

    qint32 ID = 0;
    qint32 Fun = FunctionCode::None; // a FunctionCode::Code, or whatever number a file held
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    // Event list: [k][0] key or event code (map), [k][1] low data byte, [k][2] high data byte (H).
    quint8 KeyInfo[kKeyInfoCount][3] = {};
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;

    bool sameKeyInfo(const ButtonAssignment& o) const
    {
        return std::memcmp(KeyInfo, o.KeyInfo, sizeof KeyInfo) == 0;
    }
    bool operator==(const ButtonAssignment& o) const
    {
        return ID == o.ID && Fun == o.Fun && LoopNumber == o.LoopNumber &&
               KeyNumber == o.KeyNumber && sameKeyInfo(o) && Res1 == o.Res1 && Res2 == o.Res2 &&
               Res3 == o.Res3 && Res4 == o.Res4 && macroname == o.macroname;
    }
    bool operator!=(const ButtonAssignment& o) const { return !(*this == o); }
};
