#pragma once

#include "model/MacroEvent.h"

#include <QVector>

// The rows of a gun file: per shot a left click, the vertical and the horizontal pull (when
// not 0) and the shot's delay.
class GunSetRows
{
public:
    static constexpr int kMaxBullets = 5;

    struct Bullet
    {
        int delayMs = 100;  // 1..999
        int vertical = 0;   // -100..100, positive pulls down
        int horizontal = 0; // -100..100, positive pulls right
    };

    // The first `bullets` entries of `shots` (1..5; rows beyond are ignored).
    static QVector<MacroEvent> rows(const QVector<Bullet>& shots, int bullets, int unit);
};
