#include "model/AppSettings.h"

#include "model/AppPaths.h"
#include "model/IniReader.h"
#include "model/SafeName.h"
#include "model/SettingsFile.h"

#include <QDebug>
#include <QVariant>

#include <atomic>
#include <cmath>

namespace {
// Writes keep QSettings' own escaped form, which every reader of the file understands whatever
// codec it uses.
void writeValue(const QString& path, const QString& key, const QVariant& value)
{
    SettingsFile settings(path, SettingsFile::Write);
    if (!settings.isOpen()) {
        qDebug() << "settings file not writable:" << path;
        return;
    }
    settings.setValue(key, value);
    if (!settings.save())
        qDebug() << "settings not saved:" << path << settings.errorString();
}

bool isLanguageIndex(int index)
{
    return index >= 0 && index < LanguageList::kMaxLanguages;
}

std::atomic<int>& currentIndex()
{
    static std::atomic<int> index{0};
    return index;
}
} // namespace

int AppSettings::sensorNumber()
{
    // The sensor decides how every DPI value is sent: when the user's Config.ini lost it, the
    // installation's copy still knows.
    const QString key = QStringLiteral("MouseSenSor/1");
    const int sensor = IniReader(AppPaths::configIni()).toInt(key);
    if (sensor != 0 || !AppPaths::configInUserDir())
        return sensor;
    return IniReader(AppPaths::defaultConfigDir() + QStringLiteral("/Config.ini")).toInt(key);
}

int AppSettings::ledVariant(const QString& productName)
{
    return IniReader(AppPaths::configIni()).toInt(QStringLiteral("MouseLEDMode/") + productName);
}

QString AppSettings::modelText()
{
    return IniReader(AppPaths::configIni()).toText(QStringLiteral("Config/Model"));
}

int AppSettings::accentColorId()
{
    return IniReader(AppPaths::configIni()).toInt(QStringLiteral("Config/GColorID"));
}

QColor AppSettings::accentColor(int id)
{
    static const QRgb colours[kAccentColourCount] = {
        qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),   qRgb(219, 200, 182),
        qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 125, 0),
    };
    if (id < 0 || id >= kAccentColourCount)
        id = 0;
    return QColor(colours[id]);
}

int AppSettings::battery()
{
    return IniReader(AppPaths::configIni()).toInt(QStringLiteral("Config/Battery"));
}

void AppSettings::setBattery(int level)
{
    writeValue(AppPaths::configIni(), QStringLiteral("Config/Battery"), level);
}

int AppSettings::batteryFull()
{
    // The shell divides by this value; zero or a negative full charge would be meaningless.
    const int full = IniReader(AppPaths::configIni())
                         .toInt(QStringLiteral("Config/BatteryFull"), kDefaultBatteryFull);
    return full > 0 ? full : kDefaultBatteryFull;
}

void AppSettings::setCurrentProductName(const QString& name)
{
    writeValue(AppPaths::configIni(), QStringLiteral("Config/CurrentProductName"), name);
}

LanguageList AppSettings::languageList()
{
    const IniReader reader(AppPaths::configIni());
    LanguageList list;
    list.count =
        qBound(0, reader.toInt(QStringLiteral("FONT_LIST/LANGNUM")), LanguageList::kMaxLanguages);
    for (int i = 0; i < LanguageList::kMaxLanguages; ++i) {
        list.names[i] = reader.toText(QStringLiteral("FONT_LIST/LangName_%1").arg(i));
        list.files[i] = reader.toText(QStringLiteral("FONT_LIST/LangFile_%1").arg(i));
    }
    return list;
}

int AppSettings::langId()
{
    const int id = IniReader(AppPaths::langConfigIni()).toInt(QStringLiteral("Config/LangID"));
    return isLanguageIndex(id) ? id : 0;
}

void AppSettings::setLangId(int index)
{
    writeValue(AppPaths::langConfigIni(), QStringLiteral("Config/LangID"), index);
}

int AppSettings::currentLanguageIndex()
{
    return currentIndex().load();
}

void AppSettings::setCurrentLanguageIndex(int index)
{
    currentIndex().store(isLanguageIndex(index) ? index : 0);
}

QString AppSettings::fontFamily()
{
    return IniReader(AppPaths::configIni())
        .toText(QStringLiteral("FONT_LIST/FONT_%1").arg(currentLanguageIndex()));
}

int AppSettings::fontSize()
{
    const int size =
        IniReader(AppPaths::configIni())
            .toInt(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(currentLanguageIndex()));
    return size > 0 ? size : 0;
}

QFont AppSettings::currentFont(double scale)
{
    QFont font;
    const QString family = fontFamily();
    if (!family.isEmpty())
        font.setFamily(family);
    const double pixels = std::round(fontSize() * scale);
    if (pixels >= 1 && pixels <= 10000)
        font.setPixelSize(static_cast<int>(pixels));
    return font;
}

QString AppSettings::lastFolder(const QString& kind)
{
    if (kind.isEmpty())
        return QString();
    return IniReader(AppPaths::langConfigIni())
        .value(QStringLiteral("FileDialogs/") + kind)
        .toString();
}

void AppSettings::setLastFolder(const QString& kind, const QString& folder)
{
    if (!kind.isEmpty())
        writeValue(AppPaths::langConfigIni(), QStringLiteral("FileDialogs/") + kind, folder);
}

QString AppSettings::translationFile(int index)
{
    if (!isLanguageIndex(index))
        return QString();
    const QString base =
        IniReader(AppPaths::configIni()).toText(QStringLiteral("FONT_LIST/LangFile_%1").arg(index));
    return SafeName::filePath(AppPaths::langDir(), base, QStringLiteral(".qm"));
}
