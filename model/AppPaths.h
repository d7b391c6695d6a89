#pragma once

#include <QString>

// Locations of the application folder and the files beside the executable.
// Tests point the application folder at a temporary copy with setAppDir().
class AppPaths
{
public:
    static QString appDir();
    static void setAppDir(const QString& dir);  // empty: back to the executable's folder

    static QString deviceDescriptionFile();  // appDir + "/DefaultProfile.bin"
    static QString configDir();              // appDir + "/Configs"
    static QString configIni();              // configDir + "/Config.ini"
    static QString langConfigIni();          // configDir + "/LangConfig.ini"
    static QString profileDir();             // configDir + "/Profile"
    static QString modelDir(const QString& productName);         // configDir + "/" + product
    static QString modelProfileDir(const QString& productName);  // modelDir + "/Profile"
    static QString modelConfigIni(const QString& productName);   // modelDir + "/Config.ini"
    static QString macroDir();               // configDir + "/MacroDB"
    static QString langDir();                // appDir + "/lang"
    static QString skinDir();                // appDir + "/skin"
};
