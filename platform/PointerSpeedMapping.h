#pragma once

// The mappings between the profile scale 1..20 (10 = desktop default) and the desktop settings.
// Each is exact in the direction scale -> setting -> scale; readings that another program left
// between two steps go to the nearest step, and readings outside the setting's range to the end.
namespace PointerSpeedMapping {

// GNOME's mouse speed and libinput's acceleration speed, both -1..1 with 0 as default:
// 1..10 spread evenly over -1..0 (steps of 1/9), 10..20 over 0..1 (steps of 1/10).
double toUnitRange(int speed);
int fromUnitRange(double value);

// The X server's pointer acceleration factor numerator/denominator, default 2/1: the factor is
// speed/5, so 10 gives 2 (the default), 1 gives 0.2 and 20 gives 4. The threshold is left as
// the desktop has it.
constexpr int kAccelDenominator = 5;
int accelNumerator(int speed);
int fromAcceleration(int numerator, int denominator);

} // namespace PointerSpeedMapping
