#pragma once

#include "model/LanguageList.h"

#include <QColor>
#include <QFont>
#include <QString>

// The installation's settings in Config.ini and the selected language in LangConfig.ini. Each call
// opens the file, reads or writes its keys and drops the settings object again.
class AppSettings
{
public:
    static constexpr int kAccentColourCount = 7;
    static constexpr int kDefaultBatteryFull = 4200;

    static int sensorNumber();                         // MouseSenSor/1
    static int ledVariant(const QString& productName); // MouseLEDMode/<productName>
    static QString modelText();                        // Config/Model
    static int accentColorId();                        // Config/GColorID
    static QColor accentColor(int id);                 // ids outside 0..6 give id 0's red
    static int battery();                              // Config/Battery
    static void setBattery(int level);
    static int batteryFull(); // Config/BatteryFull, 4200 when unusable
    static void setCurrentProductName(const QString& name); // Config/CurrentProductName

    static LanguageList languageList();
    // Config/LangID of LangConfig.ini; a value outside 0..9 reads as 0.
    static int langId();
    static void setLangId(int index);
    // The language the windows show, process-wide; starts at 0, the shell sets it from langId().
    static int currentLanguageIndex();
    static void setCurrentLanguageIndex(int index); // outside 0..9 selects 0

    // Font of the current language: FONT_LIST/FONT_<i> and FONT_LIST/FONT_SIZE_<i> (pixels).
    static QString fontFamily();
    static int fontSize();
    // Family as configured (the system font when empty), pixel size × scale rounded; a size
    // that comes out at 0 or below keeps the font's default size.
    static QFont currentFont(double scale = 1.0);

    // The folder a file dialog for this kind of file (a file suffix) last used, in
    // LangConfig.ini's FileDialogs group; empty when none was stored.
    static QString lastFolder(const QString& kind);
    static void setLastFolder(const QString& kind, const QString& folder);

    // appDir + "/lang/" + LangFile_<index> + ".qm"; empty for an index outside 0..9 or a file
    // name that is empty or could leave the lang folder.
    static QString translationFile(int index);
};
