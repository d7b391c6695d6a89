#pragma once

#include <QString>

// The interface languages of the installation (Config.ini, group FONT_LIST). All ten names and
// file names are read whatever the count says; only the first `count` are offered.
struct LanguageList
{
    static constexpr int kMaxLanguages = 10;

    int count = 0;                // FONT_LIST/LANGNUM, within 0..kMaxLanguages
    QString names[kMaxLanguages]; // FONT_LIST/LangName_<i>: menu text
    QString files[kMaxLanguages]; // FONT_LIST/LangFile_<i>: base name of the .qm file
};
