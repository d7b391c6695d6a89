#include "app/window/LanguageSwitcher.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/KeyTable.h"
#include "model/LocaleLanguage.h"
#include "model/SettingsFile.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>

// Q_INIT_RESOURCE must be used outside any namespace and names the resource file (lang.qrc).
static void initLanguageResources()
{
    Q_INIT_RESOURCE(lang);
}

namespace {
// The catalogues sit in a static library: registered on first use.
void ensureLanguageResources()
{
    static const bool registered = [] {
        initLanguageResources();
        return true;
    }();
    Q_UNUSED(registered);
}
} // namespace

LanguageSwitcher::LanguageSwitcher(QObject* parent) : QObject(parent)
{
    ensureLanguageResources();
}

LanguageSwitcher::~LanguageSwitcher()
{
    if (m_pTranslator)
        QCoreApplication::removeTranslator(m_pTranslator.get());
    if (m_pQtTranslator)
        QCoreApplication::removeTranslator(m_pQtTranslator.get());
}

QString LanguageSwitcher::catalogueFor(int iIndex)
{
    ensureLanguageResources();
    const QString file = AppSettings::translationFile(iIndex);
    if (file.isEmpty() || QFileInfo::exists(file))
        return file;
    const QString carried = ":/lang/" + QFileInfo(file).fileName();
    return QFileInfo::exists(carried) ? carried : file;
}

void LanguageSwitcher::startUp()
{
    m_List = AppSettings::languageList();
    // A first start speaks the desktop's language, stored as if the user had picked it.
    if (!hasStoredLanguage())
        AppSettings::setLangId(startLanguage());
    m_iCurrent = AppSettings::langId();
    AppSettings::setCurrentLanguageIndex(m_iCurrent);
    install(load(m_iCurrent));
    applyKeyNames();
}

bool LanguageSwitcher::hasStoredLanguage()
{
    const SettingsFile file(AppPaths::langConfigIni());
    return file.isOpen() && file->contains(QStringLiteral("Config/LangID"));
}

int LanguageSwitcher::startLanguage()
{
    return hasStoredLanguage() ? AppSettings::langId()
                               : LocaleLanguage::indexFor(QLocale(), AppSettings::languageList());
}

bool LanguageSwitcher::pick(int iIndex)
{
    m_iCurrent = iIndex;
    AppSettings::setCurrentLanguageIndex(iIndex);
    std::unique_ptr<QTranslator> translator = load(iIndex);
    const bool loaded = translator != nullptr;
    AppSettings::setLangId(iIndex);
    if (loaded) {
        applyKeyNames();
        install(std::move(translator));
    }
    return loaded;
}

QString LanguageSwitcher::currentName() const
{
    if (m_iCurrent < 0 || m_iCurrent >= LanguageList::kMaxLanguages)
        return QString();
    return m_List.names[m_iCurrent];
}

void LanguageSwitcher::fillMenu(QMenu* menu)
{
    menu->clear();
    auto* group = new QActionGroup(menu);
    for (int i = 0; i < m_List.count; ++i) {
        QAction* action = menu->addAction(m_List.names[i]);
        action->setCheckable(true);
        action->setChecked(i == m_iCurrent);
        action->setData(i);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { pick(i); });
    }
}

std::unique_ptr<QTranslator> LanguageSwitcher::load(int iIndex)
{
    const QString file = catalogueFor(iIndex);
    auto translator = std::make_unique<QTranslator>();
    if (file.isEmpty() || !translator->load(file))
        return nullptr;
    return translator;
}

QString LanguageSwitcher::qtCatalogueFor(int iIndex) const
{
    if (iIndex < 0 || iIndex >= LanguageList::kMaxLanguages)
        return QString();
    const QString locale = LocaleLanguage::qtLocaleFor(m_List.files[iIndex]);
    return locale.isEmpty() ? QString() : "qtbase_" + locale;
}

void LanguageSwitcher::install(std::unique_ptr<QTranslator> translator)
{
    if (!translator)
        return;
    if (m_pTranslator)
        QCoreApplication::removeTranslator(m_pTranslator.get());
    if (m_pQtTranslator)
        QCoreApplication::removeTranslator(m_pQtTranslator.get());
    m_pQtTranslator.reset();
    // Qt's own texts (file dialogs, standard buttons) follow ours; installed first so that
    // ours, installed last, win where both translate the same text.
    const QString qtCatalogue = qtCatalogueFor(m_iCurrent);
    auto qtTranslator = std::make_unique<QTranslator>();
    if (!qtCatalogue.isEmpty() &&
        qtTranslator->load(qtCatalogue, QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        m_pQtTranslator = std::move(qtTranslator);
        QCoreApplication::installTranslator(m_pQtTranslator.get());
    }
    m_pTranslator = std::move(translator);
    // Makes every window retranslate (LanguageChange).
    QCoreApplication::installTranslator(m_pTranslator.get());
}

void LanguageSwitcher::applyKeyNames()
{
    KeyTable::setFrenchNames(
        KeyTable::useFrenchNames(DeviceDescription::french(), AppSettings::currentLanguageIndex()));
}
