#include "model/ButtonOrder.h"

#include "model/DeviceDescription.h"

#include <QPair>

#include <algorithm>
#include <iterator>

QVector<int> ButtonOrder::records()
{
    // An entry of 0xFF leaves the button out.
    quint8 order[DeviceDescription::kMatrixSize];
    std::fill(std::begin(order), std::end(order), quint8(0xFF));
    const int count = qMin(DeviceDescription::readButtonDisplayMatrix(order),
                           int(DeviceDescription::kMatrixSize));
    QVector<QPair<int, int>> listed; // (display entry, record)
    for (int i = 0; i < count; ++i) {
        if (order[i] != 0xFF)
            listed.append({order[i], i});
    }
    std::stable_sort(
        listed.begin(), listed.end(),
        [](const QPair<int, int>& a, const QPair<int, int>& b) { return a.first < b.first; });
    QVector<int> records;
    for (const auto& entry : listed)
        records.append(entry.second);
    return records;
}
