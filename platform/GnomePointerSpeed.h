#pragma once

#include "platform/PointerSpeed.h"

#include <QProcessEnvironment>

// GNOME's mouse speed (org.gnome.desktop.peripherals.mouse speed, -1..1), through the gsettings
// program so that no GLib code enters the process.
class GnomePointerSpeed : public PointerSpeed
{
public:
    explicit GnomePointerSpeed(const QString& program);

    QString backendName() const override { return QStringLiteral("gnome"); }
    int read() override;

    // The gsettings program on the environment's PATH, or empty.
    static QString findProgram(const QProcessEnvironment& env);
    // True when the program answers that the key exists and may be written.
    static bool isWritable(const QString& program);

protected:
    int applySpeed(int speed) override;

private:
    QString m_Program;
};
