#pragma once

#include <QString>

struct MouseConfig;

// The desktop's pointer speed on the profile scale: 1 (slowest) to 20 (fastest), 10 being the
// desktop's own default. Each implementation maps the scale onto one desktop setting so that
// applying n and reading back gives n again.
class PointerSpeed
{
public:
    static constexpr int kMin = 1;
    static constexpr int kMax = 20;
    static constexpr int kDefault = 10;
    // Logged as the error code when a value outside 1..20 is refused (nothing is changed).
    static constexpr int kOutOfRange = -1;
    // Logged as the error code when the desktop setting could not be reached at all (its program
    // did not run, or no pointer device carries the setting any more).
    static constexpr int kUnavailable = -2;

    virtual ~PointerSpeed() = default;

    // A short name of the desktop setting used, for diagnostics and tests.
    virtual QString backendName() const = 0;
    // The current desktop value on the 1..20 scale; 10 when it cannot be read.
    virtual int read() = 0;
    // Applies `speed` to the desktop. Writes "Error in SystemParametersInfo :%d" after every
    // call, with 0 on success or the failure's code; a failure changes nothing else.
    void apply(int speed);
    // Applies the pointer speed of the active profile of `deviceCopy` (the copy the last write
    // to the mouse filled), which is what follows a profile switch.
    void applyActiveProfile(const MouseConfig& deviceCopy);

protected:
    // Returns 0 on success or the failure's code. `speed` is within 1..20.
    virtual int applySpeed(int speed) = 0;
};
