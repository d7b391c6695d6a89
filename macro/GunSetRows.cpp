#include "macro/GunSetRows.h"

#include "macro/MacroRows.h"

QVector<MacroEvent> GunSetRows::rows(const QVector<Bullet>& shots, int bullets, int unit)
{
    QVector<MacroEvent> result;
    const int n = qMin(qBound(0, bullets, kMaxBullets), shots.size());
    for (int i = 0; i < n; ++i) {
        const Bullet& shot = shots.at(i);
        result.append(MacroRows::button(true, MacroRows::kLeft));
        result.append(MacroRows::button(false, MacroRows::kLeft));
        if (shot.vertical != 0)
            result.append(MacroRows::move(
                shot.vertical > 0 ? MacroRows::MoveDown : MacroRows::MoveUp, qAbs(shot.vertical)));
        if (shot.horizontal != 0)
            result.append(
                MacroRows::move(shot.horizontal > 0 ? MacroRows::MoveRight : MacroRows::MoveLeft,
                                qAbs(shot.horizontal)));
        result.append(MacroRows::delayMs(shot.delayMs, unit));
    }
    return result;
}
