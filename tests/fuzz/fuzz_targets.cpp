// libFuzzer entry points, one executable per input the program takes from outside; the build
// defines which one this is. Each run must end without a crash, a leak, undefined behaviour or a
// stall, whatever the bytes.
#include "device/CommandTransport.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"
#include "device/VirtualSocketProtocol.h"
#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/FactoryProfile.h"
#include "model/MacroFile.h"
#include "model/ProfileFiles.h"
#include "model/SetAsideFiles.h"
#if defined(FUZZ_instance)
#include "platform/InstanceRequestReader.h"
#endif

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {
// An application folder with the sample description, private to this process.
QString appDir()
{
    static QTemporaryDir dir;
    static const bool made = QDir().mkpath(dir.path() + "/Configs/HORNBEAM/Profile") &&
                             QDir().mkpath(dir.path() + "/Configs/Profile") &&
                             QDir().mkpath(dir.path() + "/Configs/MacroDB") &&
                             QFile::copy(MOUSECFG_DATA_DIR "/hornbeam/DefaultProfile.bin",
                                         dir.path() + "/DefaultProfile.bin");
    AppPaths::setAppDir(made ? dir.path() : QString());
    return dir.path();
}

[[maybe_unused]] void put(const QString& path, const uint8_t* data, size_t size)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char*>(data), qint64(size));
}

// A control interface whose answers are the fuzzer's bytes, 64 at a time, then time-outs.
struct AnsweringDevice : HidDevice
{
    QByteArray answers;
    int write(const quint8*, std::size_t length) override { return int(length); }
    int readTimeout(quint8* out, std::size_t length, int) override
    {
        const int n = qMin(int(length), answers.size());
        std::memcpy(out, answers.constData(), size_t(n));
        answers.remove(0, n);
        return n;
    }
    int setNonblocking(int) override { return 0; }
    void close() override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString dir = appDir();
#if defined(FUZZ_profile)
    const QString path = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
    put(path, data, size);
    ProfileData p;
    ProfileFiles::loadProfile(p, path);
    ProfileFiles::saveProfile(p, path);
#elif defined(FUZZ_config)
    put(AppPaths::configIni(), data, size);
    MouseConfig c;
    ProfileFiles::loadConfiguration(c);
    AppSettings::languageList();
    DeviceAccess::initSlotTable();
    ProfileFiles::saveActiveSlot(1);
#elif defined(FUZZ_description)
    put(AppPaths::deviceDescriptionFile(), data, size);
    FactoryProfile factory;
    DeviceDescription::readFactoryProfile(factory);
#elif defined(FUZZ_macro)
    put(MacroFile::filePath(QStringLiteral("fuzz")), data, size);
    MacroFile::load(QStringLiteral("fuzz"));
    MacroFile::takeWriteSign(QStringLiteral("fuzz"));
#elif defined(FUZZ_import)
    const QString source = dir + "/import.prof";
    put(source, data, size);
    MouseConfig c;
    ProfileFiles::importConfiguration(c, source);
    ProfileData p;
    ProfileFiles::importProfile(p, source);
    QFile::remove(ProfileFiles::modelProfilePath(QStringLiteral("import")));
    QFile::remove(AppPaths::modelConfigIni(QStringLiteral("HORNBEAM")));
#elif defined(FUZZ_frames)
    QByteArray buffer(reinterpret_cast<const char*>(data), int(size));
    quint8 type = 0;
    QByteArray payload;
    bool bad = false;
    std::vector<HidDeviceInfo> interfaces;
    while (VirtualSocketProtocol::takeFrame(buffer, &type, &payload, &bad) && !bad)
        VirtualSocketProtocol::decodeInterfaces(payload, &interfaces);
#elif defined(FUZZ_answers)
    auto device = std::make_shared<AnsweringDevice>();
    device->answers = QByteArray(reinterpret_cast<const char*>(data), int(size));
    CommandTransport::setSleepFunction([](unsigned long) {});
    DeviceLink::instance().setHandle(DeviceLink::CableControl, device);
    quint8 command[CommandTransport::kFrameLength] = {0, 0x51, 0x02};
    CommandTransport::sendCommand(command, CommandTransport::kFrameLength);
    DeviceLink::instance().closeAll();
#elif defined(FUZZ_instance)
    // Fed in two halves, as a socket may deliver it; a complete request must be exactly what
    // QDataStream writes for the arguments read, or an ordinary sender would be misread.
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    InstanceRequestReader reader;
    reader.feed(bytes.left(bytes.size() / 2));
    if (reader.feed(bytes.mid(bytes.size() / 2)) == InstanceRequestReader::Complete) {
        QByteArray again;
        QDataStream out(&again, QIODevice::WriteOnly);
        out << reader.arguments();
        if (again != bytes.left(reader.consumed()))
            qFatal("request read wrongly");
    }
#else
#error "no fuzz target chosen"
#endif
    // Damaged copies would pile up run after run.
    for (const SetAsideFiles::Entry& e : SetAsideFiles::take())
        QFile::remove(e.keptPath);
    return 0;
}
