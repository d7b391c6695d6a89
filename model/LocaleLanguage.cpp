#include "model/LocaleLanguage.h"

QString LocaleLanguage::catalogueFor(const QLocale& locale)
{
    if (locale.language() != QLocale::Chinese)
        return QStringLiteral("en");
    // Qt fills in the script a locale implies (zh_TW and zh_HK: Traditional), so the script
    // alone decides, and an explicit one (zh_Hans_HK) is followed.
    if (locale.script() == QLocale::TraditionalChineseScript)
        return QStringLiteral("tc");
    if (locale.script() == QLocale::SimplifiedChineseScript)
        return QStringLiteral("sc");
    switch (locale.country()) {
    case QLocale::Taiwan:
    case QLocale::HongKong:
    case QLocale::Macau:
        return QStringLiteral("tc");
    default:
        return QStringLiteral("sc");
    }
}

int LocaleLanguage::indexFor(const QLocale& locale, const LanguageList& list)
{
    const QString wanted = catalogueFor(locale);
    for (int i = 0; i < list.count; ++i) {
        if (list.files[i].compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}

QString LocaleLanguage::qtLocaleFor(const QString& catalogue)
{
    if (catalogue.compare(QLatin1String("sc"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("zh_CN");
    if (catalogue.compare(QLatin1String("tc"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("zh_TW");
    return QString();
}
