#pragma once

#include "model/LanguageList.h"

#include <QObject>
#include <QTranslator>

#include <memory>

class QMenu;

// The program's one translator and the interface language: loaded at start-up from
// Config/LangID, switched from the language menu. A language that loads is installed, which
// makes every window retranslate (LanguageChange); its index is stored either way.
class LanguageSwitcher : public QObject
{
    Q_OBJECT
public:
    explicit LanguageSwitcher(QObject* parent = nullptr);
    ~LanguageSwitcher() override;

    // Reads the language list and Config/LangID, loads and installs that language.
    void startUp();
    // The language menu's action: load i, store it, install it when it loaded. True when
    // loaded.
    bool pick(int iIndex);

    const LanguageList& languages() const { return m_List; }
    int current() const { return m_iCurrent; }
    QString currentName() const;
    // One checkable entry per offered language; picking one calls pick().
    void fillMenu(QMenu* menu);

    // The catalogue for language i: the file beside the executable, or, for the languages the
    // program carries, its compiled-in copy when that file is missing.
    static QString catalogueFor(int iIndex);
    // The language a start uses: the stored one, or at the first start the one of the locale.
    static int startLanguage();
    static bool hasStoredLanguage();
    // Qt's own catalogue for language i ("qtbase_zh_CN"); empty for English.
    QString qtCatalogueFor(int iIndex) const;

private:
    // A translator holding language i, or null when its catalogue does not load.
    static std::unique_ptr<QTranslator> load(int iIndex);
    void install(std::unique_ptr<QTranslator> translator);
    void applyKeyNames();

    // Replaced only by a catalogue that loaded, so a failed pick leaves the texts as they are.
    std::unique_ptr<QTranslator> m_pTranslator;
    std::unique_ptr<QTranslator> m_pQtTranslator;
    LanguageList m_List;
    int m_iCurrent = 0;
};
