#include "widgets/OsdPalette.h"

#include "widgets/ColourContrast.h"

namespace {
constexpr int kMixSteps = 20;

int mixed(int from, int to, double dShare)
{
    return qRound(from + (to - from) * dShare);
}
} // namespace

QColor OsdPalette::panel()
{
    return QColor(20, 20, 24, 225);
}

QColor OsdPalette::panelOver(const QColor& behind)
{
    const QColor p = panel();
    const double a = p.alphaF();
    const QColor b = behind.toRgb();
    return QColor(mixed(b.red(), p.red(), a), mixed(b.green(), p.green(), a),
                  mixed(b.blue(), p.blue(), a));
}

QColor OsdPalette::text(const QColor& accent)
{
    const QColor base = accent.isValid() ? accent.toRgb() : QColor(Qt::white);
    const QColor lightest = panelOver(Qt::white);
    // Mixing with white keeps the hue, and white itself reads on the panel (about 11:1).
    for (int step = 0; step <= kMixSteps; ++step) {
        const double share = double(step) / kMixSteps;
        const QColor candidate(mixed(base.red(), 255, share), mixed(base.green(), 255, share),
                               mixed(base.blue(), 255, share));
        if (ColourContrast::ratio(candidate, lightest) >= ColourContrast::kReadable)
            return candidate;
    }
    return QColor(Qt::white);
}
