#pragma once

#include <QFont>
#include <QString>

// The font a language's texts are drawn in. The settings name a family per language; where that
// family is not installed, Chinese text would come out as boxes on a machine whose default font
// lacks the glyphs, so another installed family that covers the text's writing system is used.
class LanguageFont
{
public:
    // `wanted` as the settings give it; `sample` is a text of the language (a translated label).
    static QFont resolve(const QFont& wanted, const QString& sample);
};
