#pragma once

#include <QString>

// Locations of the application folder and the files beside the executable.
// Tests point the application folder at a temporary copy with setAppDir().
//
// The application folder is the executable's folder when it holds DefaultProfile.bin (build
// tree, portable copy), else the installed data folder (share/mousecfg beside the executable's
// bin/). Its read-only parts are used where they lie; the Configs folder moves to the user's
// configuration folder when the application folder is the installed one or cannot be written.
class AppPaths
{
public:
    static QString appDir();
    static void setAppDir(const QString& dir); // empty: back to the executable's folder

    static QString deviceDescriptionFile();              // appDir + "/DefaultProfile.bin"
    static QString configDir();                          // appDir + "/Configs", or userConfigDir()
    static QString configIni();                          // configDir + "/Config.ini"
    static QString langConfigIni();                      // configDir + "/LangConfig.ini"
    static QString profileDir();                         // configDir + "/Profile"
    static QString modelDir(const QString& productName); // configDir + "/" + product
    static QString modelProfileDir(const QString& productName); // modelDir + "/Profile"
    static QString modelConfigIni(const QString& productName);  // modelDir + "/Config.ini"
    static QString macroDir();                                  // configDir + "/MacroDB"
    static QString langDir();                                   // appDir + "/lang"
    static QString skinDir();                                   // appDir + "/skin"
    // The user's cache folder for this program: what is kept there can always be made again.
    static QString cacheDir();

    // The Configs folder shipped with the application folder: appDir + "/Configs".
    static QString defaultConfigDir();
    // The per-user Configs folder: $XDG_CONFIG_HOME/mousecfg/Configs.
    static QString userConfigDir();
    // True when configDir() is the user's folder rather than the application folder's.
    static bool configInUserDir();
    // The folder of the programs installed with the tool (mouse-osd): the executable's folder,
    // or the application folder while a test overrides it.
    static QString programDir();
    // Stands in for the executable's folder; the application folder is then found from it as
    // at a real start. Empty: the running executable's folder.
    static void setProgramDir(const QString& dir);

    // Fills the user's Configs folder from the shipped defaults when it has never been set up
    // (no Config.ini yet). Never replaces a file the user already has. Does nothing when Configs
    // is the application folder's own. Returns the number of files copied, -1 when a copy failed.
    // Called once at start-up, before anything reads the configuration.
    static int seedConfigDir();
};
