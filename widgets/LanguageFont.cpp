#include "widgets/LanguageFont.h"

#include <QFontDatabase>

namespace {
bool hasHan(const QString& text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF))
            return true;
    }
    return false;
}
} // namespace

QFont LanguageFont::resolve(const QFont& wanted, const QString& sample)
{
    const QFontDatabase database;
    if (!hasHan(sample) || database.families().contains(wanted.family(), Qt::CaseInsensitive))
        return wanted;
    for (const QFontDatabase::WritingSystem system :
         {QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese}) {
        const QStringList families = database.families(system);
        if (!families.isEmpty()) {
            QFont font = wanted;
            font.setFamily(families.first());
            return font;
        }
    }
    return wanted;
}
