#include "model/SafeName.h"

bool SafeName::isValid(const QString& name)
{
    if (name.trimmed().isEmpty() || name.size() > 200)
        return false;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString SafeName::filePath(const QString& folder, const QString& name, const QString& suffix)
{
    if (!isValid(name))
        return QString();
    return folder + QLatin1Char('/') + name + suffix;
}
