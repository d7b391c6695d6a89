#include "device/MacroBlockEncoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
void putEntry(std::vector<quint8>& bytes, quint8 b0, quint8 b1, quint8 b2)
{
    bytes.push_back(b0);
    bytes.push_back(b1);
    bytes.push_back(b2);
}
} // namespace

void MacroBlockEncoder::encode(const QVector<MacroEvent>& events, quint8* block)
{
    std::memset(block, 0, kBlockSize);
    const int n = events.size();
    const bool hasDelay = std::any_of(events.begin(), events.end(),
                                      [](const MacroEvent& e) { return e.Map == kDelayKind; });

    // Entries are Map, DataL, DataH, as the device plays them.
    std::vector<quint8> bytes;
    if (hasDelay) {
        for (const MacroEvent& e : events)
            putEntry(bytes, e.Map, e.DataL, e.DataH);
    } else {
        const int q = n / 4;
        for (int k = 0; k <= q; ++k) {
            for (int i = 4 * k; i < 4 * k + 4; ++i) {
                if (i < n)
                    putEntry(bytes, events[i].Map, events[i].DataL, events[i].DataH);
                else
                    putEntry(bytes, 0, 0, 0);
            }
            putEntry(bytes, kDelayKind, 1, 0);
        }
        // The closing delay follows the last event; the entry after it stays zero.
        const int closing = 3 * (n + q);
        bytes[closing] = kDelayKind;
        bytes[closing + 1] = 1;
        bytes[closing + 2] = 0;
        bytes.resize(3 * (n + q + 2));
    }
    const std::size_t length = std::min<std::size_t>(bytes.size(), kFilledLimit);
    std::memcpy(block, bytes.data(), length);
}

bool MacroBlockEncoder::isUsed(const quint8* block)
{
    return std::any_of(block, block + 5, [](quint8 b) { return b != 0; });
}
