#include "platform/GnomePointerSpeed.h"

#include "platform/PointerSpeedMapping.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

namespace {
const char* const kSchema = "org.gnome.desktop.peripherals.mouse";
const char* const kKey = "speed";
constexpr int kTimeoutMs = 3000;

// Runs the program and returns its exit code, or PointerSpeed::kUnavailable when it did not
// run to an end.
int run(const QString& program, const QStringList& args, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(kTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(kTimeoutMs);
        return PointerSpeed::kUnavailable;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitCode();
}
} // namespace

GnomePointerSpeed::GnomePointerSpeed(const QString& program) : m_Program(program) {}

QString GnomePointerSpeed::findProgram(const QProcessEnvironment& env)
{
    return QStandardPaths::findExecutable("gsettings",
                                          env.value("PATH").split(':', Qt::SkipEmptyParts));
}

bool GnomePointerSpeed::isWritable(const QString& program)
{
    QByteArray output;
    return run(program, {"writable", kSchema, kKey}, &output) == 0 && output.trimmed() == "true";
}

int GnomePointerSpeed::read()
{
    QByteArray output;
    if (run(m_Program, {"get", kSchema, kKey}, &output) != 0)
        return kDefault;
    bool ok = false;
    const double value = output.trimmed().toDouble(&ok);
    return ok ? PointerSpeedMapping::fromUnitRange(value) : kDefault;
}

int GnomePointerSpeed::applySpeed(int speed)
{
    // Always with a decimal point: the value must read as a double, never as an integer.
    const QString value = QString::number(PointerSpeedMapping::toUnitRange(speed), 'f', 10);
    return run(m_Program, {"set", kSchema, kKey, value});
}
