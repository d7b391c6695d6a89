#include "app/window/MainControls.h"
#include "widgets/SkinImage.h"

#include "app/window/UiScale.h"
#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "widgets/KivoPushButton.h"
#include "widgets/SkinStyleSheet.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {
QStringList faces(const char* stem)
{
    const QString s = QString::fromLatin1(stem);
    return KivoPushButton::skinImages({s + "-1.png", s + "-2.png", s + "-3.png"});
}

} // namespace

MainControls::MainControls(QWidget* window, double dScale)
    : QObject(window), m_pWindow(window), m_dScale(dScale)
{
    m_pLogo = new QLabel(window);
    m_pLogo->setObjectName("logo");
    m_pLogo->setPixmap(SkinImage::load(AppPaths::skinDir() + "/logo.png"));
    m_pLogo->setScaledContents(true);
    m_pLogo->setToolTip(AppSettings::modelText());
    m_Places.insert(m_pLogo, MainLayout::Logo);

    static const char* const tabNames[] = {"tabLighting", "tabCustomize", "tabDpi", "tabMacro"};
    static const char* const pageNames[] = {"lightingPage", "customizePage", "dpiPage",
                                            "macroPage"};
    static const MainLayout::Control tabPlaces[] = {MainLayout::TabLighting,
                                                    MainLayout::TabCustomize, MainLayout::TabDpi,
                                                    MainLayout::TabMacro};
    for (int i = 0; i < kPageCount; ++i) {
        m_pTabs[i] = actionButton(faces("tab"), tabPlaces[i], TabAction, tabNames[i]);
        m_pTabs[i]->setCheckable(true);
        // The page's widget; each page builds its controls into it. The customise page shares
        // the panel with the mouse picture and takes its left part.
        m_pPages[i] = new QWidget(window);
        m_pPages[i]->setObjectName(pageNames[i]);
        m_pPages[i]->setAttribute(Qt::WA_TranslucentBackground);
        m_pPages[i]->hide();
        m_Places.insert(m_pPages[i], i == 1 ? MainLayout::ButtonWindowArea : MainLayout::PageArea);
    }

    m_pDeviceButton =
        actionButton(faces("btnsmall"), MainLayout::DeviceButton, DeviceAction, "deviceButton");
    m_pLanguageButton = button(faces("btnsmall"), MainLayout::LanguageButton, "languageButton");
    m_pLanguageMenu = new QMenu(window);
    m_pLanguageMenu->setObjectName("languageMenu");
    m_pLanguageButton->setMenu(m_pLanguageMenu);
    m_pLanguageButton->setMenuArrow(true);
    actionButton(faces("min"), MainLayout::MinimiseButton, MinimiseAction, "minButton");
    actionButton(faces("close"), MainLayout::CloseButton, CloseAction, "closeButton");

    m_pFrontButton =
        actionButton(faces("btnsmall"), MainLayout::FrontButton, FrontAction, "frontButton");
    m_pSideButton =
        actionButton(faces("btnsmall"), MainLayout::SideButton, SideAction, "sideButton");
    m_pFrontButton->setCheckable(true);
    m_pSideButton->setCheckable(true);
    m_pFrontButton->hide();
    m_pSideButton->hide();

    m_pResetAllButton =
        actionButton(faces("btn"), MainLayout::ResetAllButton, ResetAllAction, "resetAllButton");
    m_pLoadButton = actionButton(faces("btn"), MainLayout::LoadButton, LoadAction, "loadButton");
    m_pSaveButton = actionButton(faces("btn"), MainLayout::SaveButton, SaveAction, "saveButton");
    m_pApplyButton =
        actionButton(faces("btn"), MainLayout::ApplyButton, ApplyAction, "applyButton");

    m_pVersion = new QLabel(window);
    m_pVersion->setObjectName("versionLabel");
    m_pVersion->setStyleSheet(QStringLiteral("color: #8d96a2; background: transparent;"));
    m_Places.insert(m_pVersion, MainLayout::VersionLabel);

    // Offered by other layouts; this one gives them zero size.
    m_pFirmwareButton = actionButton(faces("btn"), MainLayout::FirmwareUpdateButton, FirmwareAction,
                                     "firmwareButton");
    m_pOkButton = actionButton(faces("btn"), MainLayout::OkButton, OkAction, "okButton");
    m_pCancelButton =
        actionButton(faces("btn"), MainLayout::CancelButton, CancelAction, "cancelButton");
    buildProfileControls();
}

void MainControls::buildProfileControls()
{
    QWidget* window = m_pWindow;
    KivoPushButton* select =
        button(KivoPushButton::skinImages({"profilesel.png", "profilesel2.png", "profilesel3.png"}),
               MainLayout::ProfileSelectButton, "profileSelectButton");
    m_pSlotMenu = new QMenu(window);
    m_pSlotMenu->setObjectName("slotMenu");
    for (int i = 0; i < kSlotCount; ++i) {
        QAction* entry = m_pSlotMenu->addAction(QString());
        connect(entry, &QAction::triggered, this, [this, i] { emit slotChosen(i); });
    }
    select->setMenu(m_pSlotMenu);

    static const MainLayout::Control slotPlaces[] = {
        MainLayout::SlotButton1, MainLayout::SlotButton2, MainLayout::SlotButton3,
        MainLayout::SlotButton4, MainLayout::SlotButton5};
    static const char* const slotNames[] = {"slotButton1", "slotButton2", "slotButton3",
                                            "slotButton4", "slotButton5"};
    for (int i = 0; i < kSlotCount; ++i) {
        m_pSlotButtons[i] = actionButton(faces("btn"), slotPlaces[i], SlotAction, slotNames[i]);
        m_pSlotButtons[i]->setCheckable(true);
    }

    m_pNameLabel = new QLabel(window);
    m_pNameLabel->setObjectName("nameLabel");
    m_Places.insert(m_pNameLabel, MainLayout::NameLabel);
    m_pProfileName = new QLineEdit(window);
    m_pProfileName->setObjectName("profileName");
    m_Places.insert(m_pProfileName, MainLayout::ProfileNameField);
    KivoPushButton* menuButton =
        button(KivoPushButton::skinImages(
                   {"profile_apply1.png", "profile_apply2.png", "profile_apply3.png"}),
               MainLayout::ProfileMenuButton, "profileMenuButton");
    m_pProfileMenu = new QMenu(window);
    m_pProfileMenu->setObjectName("profileMenu");
    menuButton->setMenu(m_pProfileMenu);

    m_pAddButton = actionButton(faces("btn"), MainLayout::AddButton, AddAction, "addButton");
    m_pCopyButton = actionButton(faces("btn"), MainLayout::CopyButton, CopyAction, "copyButton");
    m_pDeleteButton =
        actionButton(faces("btn"), MainLayout::DeleteButton, DeleteAction, "deleteButton");
    m_pResetButton =
        actionButton(faces("btn"), MainLayout::ResetButton, ResetAction, "resetButton");
    m_pImportButton =
        actionButton(faces("btn"), MainLayout::ImportButton, ImportAction, "importButton");
    m_pExportButton =
        actionButton(faces("btn"), MainLayout::ExportButton, ExportAction, "exportButton");

    // The operations of the hidden buttons stay within reach from the menu beside the name.
    auto* rename = new QAction(this);
    connect(rename, &QAction::triggered, m_pProfileName, [this] {
        m_pProfileName->setFocus();
        m_pProfileName->selectAll();
    });
    m_Operations << rename;
    for (KivoPushButton* b : {m_pAddButton, m_pCopyButton, m_pDeleteButton, m_pResetButton,
                              m_pImportButton, m_pExportButton}) {
        auto* entry = new QAction(this);
        connect(entry, &QAction::triggered, b, &QAbstractButton::click);
        m_Operations << entry;
    }

    m_pUnapplied = new QLabel(window);
    m_pUnapplied->setObjectName("unappliedMark");
    m_pUnapplied->setAlignment(Qt::AlignCenter);
    m_pUnapplied->setWordWrap(true);
    m_pUnapplied->hide();
    m_Places.insert(m_pUnapplied, MainLayout::UnappliedMark);
    m_pRevertButton =
        actionButton(faces("btn"), MainLayout::RevertButton, RevertAction, "revertButton");
    m_pRevertButton->hide();
}

KivoPushButton* MainControls::button(const QStringList& images, MainLayout::Control place,
                                     const char* name)
{
    auto* b = new KivoPushButton(images, m_pWindow, m_dScale);
    b->setObjectName(name);
    m_Places.insert(b, place);
    m_Buttons.append(b);
    return b;
}

KivoPushButton* MainControls::actionButton(const QStringList& images, MainLayout::Control place,
                                           Action action, const char* name)
{
    KivoPushButton* b = button(images, place, name);
    m_Actions.insert(b, action);
    return b;
}

bool MainControls::actionOf(const QObject* button, Action* action) const
{
    for (auto it = m_Actions.constBegin(); it != m_Actions.constEnd(); ++it) {
        if (it.key() == button) {
            *action = it.value();
            return true;
        }
    }
    return false;
}

int MainControls::tabIndex(const QObject* button) const
{
    for (int i = 0; i < kPageCount; ++i) {
        if (m_pTabs[i] == button)
            return i;
    }
    return -1;
}

int MainControls::slotIndex(const QObject* button) const
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (m_pSlotButtons[i] == button)
            return i;
    }
    return -1;
}

void MainControls::retranslate(const QString& languageName, const QString& version)
{
    m_pTabs[0]->setText(tr("LIGHTING"));
    m_pTabs[1]->setText(tr("CUSTOMIZE"));
    m_pTabs[2]->setText(tr("DPI"));
    m_pTabs[3]->setText(tr("MACRO"));
    m_pDeviceButton->setText(tr("选择鼠标设备"));
    m_pLanguageButton->setText(languageName);
    m_pFrontButton->setText(tr("Front"));
    m_pSideButton->setText(tr("Side"));
    m_pResetAllButton->setText(tr("Reset All"));
    m_pLoadButton->setText(tr("LOAD1"));
    m_pSaveButton->setText(tr("SAVE"));
    m_pApplyButton->setText(tr("Apply"));
    m_pFirmwareButton->setText(tr("Firmware Update"));
    m_pOkButton->setText(tr("OK"));
    m_pCancelButton->setText(tr("Cancel"));
    m_pAddButton->setText(tr("ADD"));
    m_pCopyButton->setText(tr("COPY"));
    m_pDeleteButton->setText(tr("DELETE"));
    m_pResetButton->setText(tr("RESET"));
    m_pImportButton->setText(tr("IMPORT"));
    m_pExportButton->setText(tr("EXPORT"));
    m_pRevertButton->setText(tr("REVERT"));
    m_pUnapplied->setText(QStringLiteral("\u25CF ") + tr("Changes not applied"));
    m_Operations[0]->setText(tr("RENAME"));
    const KivoPushButton* operationButtons[] = {m_pAddButton,   m_pCopyButton,   m_pDeleteButton,
                                                m_pResetButton, m_pImportButton, m_pExportButton};
    for (int i = 1; i < m_Operations.size(); ++i)
        m_Operations[i]->setText(operationButtons[i - 1]->text());
    m_pNameLabel->setText(tr("NAME"));
    m_pProfileName->setToolTip(tr("Press Enter To Apply"));
    const QList<QAction*> entries = m_pSlotMenu->actions();
    for (int i = 0; i < kSlotCount; ++i) {
        const QString text = tr("Profile") + QString::asprintf(" %d", i + 1);
        entries[i]->setText(text);
        m_pSlotButtons[i]->setText(text);
    }
    m_pVersion->setText(tr("Version") + " " + version);
}

void MainControls::layout(double dScale, const MainLayout::Flags& flags)
{
    m_dScale = dScale;
    for (auto it = m_Places.constBegin(); it != m_Places.constEnd(); ++it)
        it.key()->setGeometry(MainLayout::rect(it.value(), dScale, flags));
    for (KivoPushButton* b : m_Buttons)
        b->setScale(dScale);
    m_pProfileMenu->setFixedWidth(UiScale::scaled(152, dScale));
    m_pProfileName->setStyleSheet(SkinStyleSheet::pages(dScale));
    // In the accent, lightened: the dark panel behind it would swallow a deep blue or red.
    m_pUnapplied->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold; font-size: %2px; background: transparent;")
            .arg(AppSettings::accentColor(AppSettings::accentColorId()).lighter(160).name())
            .arg(UiScale::scaled(12, dScale)));
}

void MainControls::rebuildProfileMenu(const QStringList& names, double dScale)
{
    // clear() deletes only the entries the menu made itself: the operations are kept.
    for (QAction* entry : m_Operations)
        m_pProfileMenu->removeAction(entry);
    m_pProfileMenu->clear();
    for (const QString& name : names) {
        QAction* entry = m_pProfileMenu->addAction(name);
        connect(entry, &QAction::triggered, this, [this, name] { emit profileChosen(name); });
    }
    m_pProfileMenu->addSeparator();
    m_pProfileMenu->addActions(m_Operations);
    m_pProfileMenu->setFixedWidth(UiScale::scaled(152, dScale));
}

void MainControls::showUnapplied(bool bEdits)
{
    m_pUnapplied->setVisible(bEdits);
    m_pRevertButton->setVisible(bEdits);
    // The pressed face marks Apply as the next step; it is never a toggle of its own.
    m_pApplyButton->setCheckable(bEdits);
    m_pApplyButton->setChecked(bEdits);
}

void MainControls::checkSlot(int iSlot)
{
    for (int i = 0; i < kSlotCount; ++i)
        m_pSlotButtons[i]->setChecked(i == iSlot);
}
