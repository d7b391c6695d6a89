#pragma once

#include "model/LanguageList.h"

#include <QLocale>
#include <QString>

// The interface language a first start picks from the system locale: Simplified Chinese for
// mainland China and Singapore, Traditional Chinese for Taiwan, Hong Kong and Macau, English for
// everything else. Later starts keep whatever is stored.
class LocaleLanguage
{
public:
    // The catalogue base name ("en", "sc", "tc") for `locale`.
    static QString catalogueFor(const QLocale& locale);
    // The index of that catalogue in `list`; 0 when the installation does not offer it.
    static int indexFor(const QLocale& locale, const LanguageList& list);
    // Qt's own catalogue name ("zh_CN", "zh_TW") for one of ours; empty for English.
    static QString qtLocaleFor(const QString& catalogue);
};
