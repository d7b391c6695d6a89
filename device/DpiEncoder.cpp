#include "device/DpiEncoder.h"

#include "device/DpiRegisterTables.h"

namespace {
DpiEncoder::Axis lowOnly(quint8 flag, qint64 value)
{
    DpiEncoder::Axis axis;
    axis.flag = flag;
    axis.value = quint16(value & 0xFF);
    return axis;
}

DpiEncoder::Axis wide(quint8 flag, qint64 value)
{
    DpiEncoder::Axis axis;
    axis.flag = flag;
    axis.value = quint16(value & 0xFFFF);
    return axis;
}

DpiEncoder::Axis fromTable(quint8 flag, DpiRegisterTables::Table table, qint64 index)
{
    if (index > 0x7FFFFFFF)
        index = 0x7FFFFFFF;
    return lowOnly(flag, DpiRegisterTables::at(table, int(index)));
}

// The 3809 takes a 16-bit register value per axis, with different scales for X and Y.
DpiEncoder::Axis sensor3809X(qint64 x)
{
    const qint64 t = x <= 60 ? 500 * x : 5 * ((x - 60) * 100 + 3000);
    DpiEncoder::Axis axis;
    axis.flag = x <= 60 ? 0 : 1;
    axis.value = quint16((t & 0xFC) | (t & 0xFF00));
    return axis;
}

DpiEncoder::Axis sensor3809Y(qint64 y)
{
    const qint64 t = y <= 60 ? 10000 * y / 18 : ((y - 60) * 10000 + 300000) / 18;
    return wide(y <= 60 ? 0 : 1, t);
}

DpiEncoder::Axis sensor33952(qint64 v, qint64 limit)
{
    return v <= limit ? wide(0, v) : wide(1, v - 300);
}
} // namespace

DpiEncoder::Axis DpiEncoder::encodeValue(int iSensor, qint64 v)
{
    switch (iSensor) {
    case 3325:
    case 33252:
        if (v <= 50)
            return fromTable(0, DpiRegisterTables::B, v);
        if (v <= 75)
            return fromTable(1, DpiRegisterTables::B, v - 25);
        return fromTable(2, DpiRegisterTables::B, v - 50);
    case 3311:
    case 33112:
        if (v <= 120)
            return fromTable(0, DpiRegisterTables::C, v);
        return fromTable(1, DpiRegisterTables::C, v - 60);
    case 3370:
        return v <= 200 ? lowOnly(0, v - 1) : lowOnly(1, v - 101);
    case 3327:
        if (v <= 61)
            return fromTable(0, DpiRegisterTables::D, v);
        if (v <= 92)
            return fromTable(1, DpiRegisterTables::D, v - 31);
        return fromTable(4, DpiRegisterTables::D, v - 52);
    case 3360:
        return v <= 120 ? lowOnly(0, v - 1) : lowOnly(1, v - 61);
    case 3389:
        return v <= 320 ? wide(0, v) : wide(1, v - 160);
    case 3212:
        if (v < 64)
            return lowOnly(0, v);
        if (v <= 94)
            return lowOnly(1, v - 32);
        return lowOnly(2, v - 63);
    case 3104:
    case 31042:
        return v <= 106 ? lowOnly(0, v) : lowOnly(1, v - 53);
    case 3333:
        if (v <= 79)
            return fromTable(0, DpiRegisterTables::E, v);
        return fromTable(1, DpiRegisterTables::E, v - 40);
    case 3335:
    case 33352:
        if (v <= 160)
            return fromTable(0, DpiRegisterTables::F, v);
        return fromTable(1, DpiRegisterTables::F, v - 40);
    case 3395:
        return wide(0, v);
    default:
        return Axis();
    }
}

bool DpiEncoder::encodeAxes(const DpiLevel& level, int iSensor, Axis& xAxis, Axis& yAxis)
{
    const qint64 x = level.x;
    const qint64 y = level.y;
    switch (iSensor) {
    case 3325:
    case 33252:
    case 3311:
    case 33112:
    case 3370:
    case 3327:
    case 3360:
    case 3389:
    case 3212:
    case 3333:
    case 3395:
        xAxis = encodeValue(iSensor, x);
        yAxis = encodeValue(iSensor, y);
        return true;
    case 3104:
    case 31042:
        // This sensor's axes are mounted the other way round.
        xAxis = encodeValue(iSensor, y);
        yAxis = encodeValue(iSensor, x);
        return true;
    case 3335:
    case 33352:
        // The sensor has one resolution register for both axes.
        xAxis = encodeValue(iSensor, x);
        yAxis = xAxis;
        return true;
    case 33952:
        xAxis = sensor33952(x, 599);
        yAxis = sensor33952(y, 600);
        return true;
    case 3809:
        xAxis = sensor3809X(x);
        yAxis = sensor3809Y(y);
        return true;
    default:
        xAxis = Axis();
        yAxis = Axis();
        return false;
    }
}

void DpiEncoder::encodeLevel(const DpiLevel& level, int iSensor, quint8* out)
{
    Axis xAxis;
    Axis yAxis;
    encodeAxes(level, iSensor, xAxis, yAxis);
    out[0] = xAxis.flag;
    out[1] = quint8(xAxis.value & 0xFF);
    out[2] = quint8(xAxis.value >> 8);
    out[3] = quint8(yAxis.value & 0xFF);
    out[4] = quint8(yAxis.value >> 8);
}
