#include "model/AppPaths.h"

#include <QCoreApplication>

namespace {
QString& overrideDir()
{
    static QString dir;
    return dir;
}
}  // namespace

QString AppPaths::appDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void AppPaths::setAppDir(const QString& dir) { overrideDir() = dir; }

QString AppPaths::deviceDescriptionFile() { return appDir() + "/DefaultProfile.bin"; }
QString AppPaths::configDir() { return appDir() + "/Configs"; }
QString AppPaths::configIni() { return configDir() + "/Config.ini"; }
QString AppPaths::langConfigIni() { return configDir() + "/LangConfig.ini"; }
QString AppPaths::profileDir() { return configDir() + "/Profile"; }
QString AppPaths::modelDir(const QString& productName) { return configDir() + "/" + productName; }
QString AppPaths::modelProfileDir(const QString& productName)
{
    return modelDir(productName) + "/Profile";
}
QString AppPaths::modelConfigIni(const QString& productName)
{
    return modelDir(productName) + "/Config.ini";
}
QString AppPaths::macroDir() { return configDir() + "/MacroDB"; }
QString AppPaths::langDir() { return appDir() + "/lang"; }
QString AppPaths::skinDir() { return appDir() + "/skin"; }
