#include "model/AppSettings.h"

#include "model/AppPaths.h"
#include "model/IniFileCheck.h"
#include "model/SafeName.h"

#include <QDebug>
#include <QSettings>
#include <QVariant>

#include <atomic>
#include <cmath>
#include <memory>

namespace {
// Reads accept hand-written UTF-8. Writes keep QSettings' own escaped form, which every reader of
// the file understands whatever codec it uses. A file that is not INI text reads as empty.
class Reader
{
public:
    explicit Reader(const QString& path)
    {
        if (!IniFileCheck::isReadable(path))
            return;
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        m_settings->setIniCodec("UTF-8");
    }

    int toInt(const QString& key, int def = 0) const
    {
        const QVariant value = this->value(key);
        if (!value.isValid())
            return def;
        bool ok = false;
        const int result = value.toInt(&ok);
        return ok ? result : def;
    }
    QString toText(const QString& key) const { return value(key).toString(); }

private:
    QVariant value(const QString& key) const
    {
        return m_settings ? m_settings->value(key) : QVariant();
    }

    std::unique_ptr<QSettings> m_settings;
};

void writeValue(const QString& path, const QString& key, const QVariant& value)
{
    // A damaged file would be parsed (slowly) and its debris written back; start afresh instead.
    if (!IniFileCheck::prepareForWrite(path)) {
        qDebug() << "settings file not writable:" << path;
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
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
    return Reader(AppPaths::configIni()).toInt(QStringLiteral("MouseSenSor/1"));
}

int AppSettings::ledVariant(const QString& productName)
{
    return Reader(AppPaths::configIni()).toInt(QStringLiteral("MouseLEDMode/") + productName);
}

QString AppSettings::modelText()
{
    return Reader(AppPaths::configIni()).toText(QStringLiteral("Config/Model"));
}

int AppSettings::accentColorId()
{
    return Reader(AppPaths::configIni()).toInt(QStringLiteral("Config/GColorID"));
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
    return Reader(AppPaths::configIni()).toInt(QStringLiteral("Config/Battery"));
}

void AppSettings::setBattery(int level)
{
    writeValue(AppPaths::configIni(), QStringLiteral("Config/Battery"), level);
}

int AppSettings::batteryFull()
{
    // The shell divides by this value; zero or a negative full charge would be meaningless.
    const int full = Reader(AppPaths::configIni())
                         .toInt(QStringLiteral("Config/BatteryFull"), kDefaultBatteryFull);
    return full > 0 ? full : kDefaultBatteryFull;
}

void AppSettings::setCurrentProductName(const QString& name)
{
    writeValue(AppPaths::configIni(), QStringLiteral("Config/CurrentProductName"), name);
}

QString AppSettings::mouseListName()
{
    return Reader(AppPaths::configIni()).toText(QStringLiteral("Mouse_List/0"));
}

LanguageList AppSettings::languageList()
{
    const Reader reader(AppPaths::configIni());
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
    const int id = Reader(AppPaths::langConfigIni()).toInt(QStringLiteral("Config/LangID"));
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
    return Reader(AppPaths::configIni())
        .toText(QStringLiteral("FONT_LIST/FONT_%1").arg(currentLanguageIndex()));
}

int AppSettings::fontSize()
{
    const int size =
        Reader(AppPaths::configIni())
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

QString AppSettings::translationFile(int index)
{
    if (!isLanguageIndex(index))
        return QString();
    const QString base =
        Reader(AppPaths::configIni()).toText(QStringLiteral("FONT_LIST/LangFile_%1").arg(index));
    return SafeName::filePath(AppPaths::langDir(), base, QStringLiteral(".qm"));
}
