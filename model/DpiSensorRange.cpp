#include "model/DpiSensorRange.h"

#include <QStringList>

namespace {
struct Row
{
    int iSensor;
    DpiSensorRange range;
};

// Sensors 3325, 33252 and 3327 have variants and are decided in find().
const Row kRows[] = {
    {3311, {100, 12000, 1, 120, false}}, {33112, {100, 24000, 1, 180, false}},
    {3370, {50, 19000, 1, 290, false}},  {3360, {100, 24000, 1, 180, true}},
    {3389, {100, 32000, 2, 480, true}},  {3212, {600, 7200, 16, 111, false}},
    {3104, {500, 4200, 14, 105, true}},  {31042, {500, 8400, 14, 158, true}},
    {3335, {100, 16000, 1, 160, false}}, {33352, {100, 32000, 1, 240, false}},
    {3333, {200, 16000, 2, 120, false}}, {33952, {50, 52000, 0, 779, false}},
    {3395, {50, 30000, 0, 599, false}},  {3399, {50, 40000, 0, 599, true}},
    {3809, {100, 12000, 1, 90, true}},
};

const DpiSensorRange kWide{100, 16000, 1, 90, false};
const DpiSensorRange k3325{100, 5000, 1, 50, false};
const DpiSensorRange k33252{100, 10000, 1, 75, false};
const DpiSensorRange k3327Short{200, 12400, 1, 92, false};
const DpiSensorRange k3327{200, 16400, 1, 106, false};

// Models whose 3327 stops at 12400 DPI (names compared exactly).
bool shortRange3327(const QString& product)
{
    static const QStringList products = {"K208-RGB",  "CEDAR",  "4468", "SEQUOIA3", "GINKGO",
                                         "HAZEL-RGB", "MAPLE2", "OAK2", "PINE"};
    return products.contains(product);
}
} // namespace

bool DpiSensorRange::find(int iSensor, const QString& product, int iWideRange, DpiSensorRange* out)
{
    switch (iSensor) {
    case 3325:
        *out = iWideRange == 1 ? kWide : k3325;
        return true;
    case 33252:
        *out = iWideRange == 1 ? kWide : k33252;
        return true;
    case 3327:
        *out = shortRange3327(product) ? k3327Short : k3327;
        return true;
    default:
        break;
    }
    for (const Row& row : kRows) {
        if (row.iSensor == iSensor) {
            *out = row.range;
            return true;
        }
    }
    return false;
}
