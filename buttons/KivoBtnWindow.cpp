#include "buttons/KivoBtnWindow.h"

#include "buttons/AssignmentText.h"
#include "buttons/ButtonCatalogue.h"
#include "buttons/ButtonMenus.h"
#include "buttons/ButtonWrites.h"
#include "buttons/KivoComboKeyWindow.h"
#include "buttons/KivoFireKeyWindow.h"
#include "buttons/KivoSingleKeyWindow.h"
#include "macro/KivoMacroSelect.h"
#include "model/ButtonOrder.h"
#include "model/DeviceDescription.h"
#include "model/FunctionCode.h"
#include "model/MacroList.h"
#include "model/ProfileData.h"
#include "widgets/KivoPushButton.h"
#include "widgets/UserPrompts.h"

#include <QDebug>
#include <QEvent>
#include <QMenu>

#include <algorithm>

namespace {
constexpr int kMacroPage = 3;
constexpr int kWheelFirstNumber = 253;
// More rows than this take the compact spacing.
constexpr int kRoomyRows = 9;

QStringList listFaces()
{
    return KivoPushButton::skinImages({"btnlist-1.png", "btnlist-2.png", "btnlist-3.png"});
}
} // namespace

KivoBtnWindow::KivoBtnWindow(ProfileData* profile, QWidget* parent, double dScale)
    : QWidget(parent), m_pProfileData(profile), m_dScale(dScale > 0 ? dScale : 1.0)
{
    setObjectName("KivoBtnWindow");
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background:transparent;"));

    m_pMenus = new ButtonMenus(this, m_dScale);
    connect(m_pMenus, &ButtonMenus::entryPicked, this, &KivoBtnWindow::pick);
    m_pMenus->buttonMenu()->installEventFilter(this);

    for (int i = 0; i < kSetSize; ++i) {
        m_pSet0[i] = makeButton(0, i);
        m_pSet1[i] = makeButton(1, i);
    }
    for (int i = 0; i < kWheelCount; ++i)
        m_pWheel[i] = makeButton(2, i);

    layoutButtons();
    showSet(0, kNone);
    m_iSet = kNone;
    retranslate();
}

KivoPushButton* KivoBtnWindow::makeButton(int iSet, int iIndex)
{
    auto* btn = new KivoPushButton(listFaces(), this, m_dScale);
    btn->setObjectName(QStringLiteral("assignButton_%1_%2").arg(iSet).arg(iIndex));
    btn->setProperty("btnSet", iSet);
    btn->setProperty("btnIndex", iIndex);
    // The main window lights button n of the picture for this property.
    if (iSet == 0)
        btn->setProperty("buttonIndex", iIndex);
    btn->setMenu(iSet == 2 ? m_pMenus->wheelMenu() : m_pMenus->buttonMenu());
    connect(btn, &KivoPushButton::OverSignal, this, &KivoBtnWindow::slotMouseOver);
    connect(btn, &KivoPushButton::EnterSignal, this, &KivoBtnWindow::slotMouseEnter);
    return btn;
}

void KivoBtnWindow::setProfile(ProfileData* profile)
{
    m_pProfileData = profile;
    refreshLabels();
}

void KivoBtnWindow::setScale(double dScale)
{
    if (dScale <= 0)
        return;
    m_dScale = dScale;
    m_pMenus->setScale(dScale);
    for (KivoPushButton* btn : findChildren<KivoPushButton*>())
        btn->setScale(dScale);
    layoutButtons();
}

void KivoBtnWindow::layoutButtons()
{
    const auto px = [this](double v) { return qRound(v * m_dScale); };
    const QVector<int> records = ButtonOrder::records();
    const bool bCompact = records.size() > kRoomyRows;
    const int step = bCompact ? 27 : 36;
    const int height = bCompact ? 25 : 30;
    for (int i = 0; i < kSetSize; ++i) {
        m_Numbers[i].clear();
        m_pSet0[i]->setGeometry(0, 0, 0, 0);
    }
    int row = 0;
    for (int record : records) {
        m_Numbers[record] = QString::number(row + 1);
        m_pSet0[record]->setGeometry(px(56), px(12 + step * row), px(220), px(height));
        ++row;
    }
    for (int i = 0; i < kSetSize; ++i) {
        m_Numbers[kSetSize + i] = QString::number(i + 1);
        m_pSet1[i]->setGeometry(px(29), px(62 + 25 * i), px(150), px(20));
    }
    const int wheelTop = 12 + step * row + 14;
    for (int i = 0; i < kWheelCount; ++i) {
        m_Numbers[2 * kSetSize + i] = QString::number(kWheelFirstNumber + i);
        m_pWheel[i]->setGeometry(px(56), px(wheelTop + 25 * i), px(150), px(20));
    }
    // Only the size is set here: the family still follows the window's language font.
    QFont f;
    f.setPixelSize(qMax(1, px(12)));
    setFont(f);
}

void KivoBtnWindow::showSet(quint8 iSet, quint8 iIndex)
{
    m_iSet = iSet;
    m_iIndex = iIndex;
    m_iShownSet = iSet == 1 ? 1 : 0;
    for (int i = 0; i < kSetSize; ++i) {
        m_pSet0[i]->setVisible(m_iShownSet == 0);
        m_pSet1[i]->setVisible(m_iShownSet == 1);
    }
    for (KivoPushButton* btn : m_pWheel)
        btn->setVisible(m_iShownSet == 0);
    refreshLabels();
}

void KivoBtnWindow::selectButton(quint8 iSet, quint8 iIndex)
{
    KivoPushButton* btn = button(iSet, iIndex);
    if (!btn)
        return;
    if ((iSet == 1) != (m_iShownSet == 1))
        showSet(iSet, iIndex);
    m_iSet = iSet;
    m_iIndex = iIndex;
    if (m_pMarked)
        m_pMarked->setDown(false);
    m_pMarked = btn;
    btn->setDown(true);
    btn->setFocus();
}

void KivoBtnWindow::retranslate()
{
    m_pMenus->rebuild(DeviceDescription::disableMacro() != 0, DeviceDescription::ledDisable() != 0);
    refreshLabels();
}

void KivoBtnWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

KivoPushButton* KivoBtnWindow::button(int iSet, int iIndex) const
{
    if (iSet == 0 && iIndex >= 0 && iIndex < kSetSize)
        return m_pSet0[iIndex];
    if (iSet == 1 && iIndex >= 0 && iIndex < kSetSize)
        return m_pSet1[iIndex];
    if (iSet == 2 && iIndex >= 0 && iIndex < kWheelCount)
        return m_pWheel[iIndex];
    return nullptr;
}

int KivoBtnWindow::recordIndex(int iSet, int iIndex) const
{
    return iSet == 2 ? 2 * kSetSize + iIndex : iSet * kSetSize + iIndex;
}

KivoPushButton* KivoBtnWindow::currentButton() const
{
    return button(m_iSet, m_iIndex);
}

QString KivoBtnWindow::label(int iRecord) const
{
    if (!m_pProfileData || iRecord < 0 || iRecord >= ProfileData::kButtonCount)
        return QString();
    const ButtonAssignment& rec = m_pProfileData->ButtonInfo[iRecord];
    if (rec.Fun == FunctionCode::Macro || rec.Fun == FunctionCode::GunFile)
        return rec.macroname;
    return ButtonCatalogue::label(rec.Fun, iRecord >= 2 * kSetSize);
}

void KivoBtnWindow::refreshLabel(int iRecord)
{
    KivoPushButton* btn = iRecord >= 2 * kSetSize ? m_pWheel[iRecord - 2 * kSetSize]
                          : iRecord >= kSetSize   ? m_pSet1[iRecord - kSetSize]
                                                  : m_pSet0[iRecord];
    const QString& number = m_Numbers[iRecord];
    const QString text = label(iRecord);
    btn->setProperty("functionLabel", text);
    // The key itself where the button is wide enough, and always in the tool tip.
    const QString full = m_pProfileData
                             ? AssignmentText::withDetail(text, m_pProfileData->ButtonInfo[iRecord])
                             : text;
    btn->setToolTip(full);
    const auto shown = [&](const QString& t) {
        return number.isEmpty() ? t : number + QStringLiteral("   ") + t;
    };
    // Centred text must stay clear of the list arrow at the right end.
    const int room = btn->width() - btn->height() * 3 / 2;
    const bool bFits = btn->fontMetrics().horizontalAdvance(shown(full)) <= room;
    btn->setText(shown(bFits ? full : text));
}

void KivoBtnWindow::refreshLabels()
{
    for (int i = 0; i < ProfileData::kButtonCount; ++i)
        refreshLabel(i);
    logLabels();
}

void KivoBtnWindow::logLabels() const
{
    QStringList listed;
    for (int i = 0; i < kSetSize; ++i) {
        if (!m_Numbers[i].isEmpty())
            listed << m_Numbers[i] + QLatin1Char(' ') + label(i);
    }
    qDebug().noquote() << "button labels:" << listed.join(QStringLiteral(" | "));
}

void KivoBtnWindow::slotMouseEnter(KivoPushButton* btn)
{
    // The pointer now names the button; a mark left by the picture goes.
    if (m_pMarked && m_pMarked != btn) {
        m_pMarked->setDown(false);
        m_pMarked = nullptr;
    }
    m_iSet = quint8(btn->property("btnSet").toInt());
    m_iIndex = quint8(btn->property("btnIndex").toInt());
}

void KivoBtnWindow::slotMouseOver(KivoPushButton* btn, bool bOver)
{
    // The main window lights a button for false and shows the plain picture for true: the
    // button under the pointer is the one lit.
    emit SelBtnControl(btn, !bOver);
}

bool KivoBtnWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pMenus->buttonMenu() && event->type() == QEvent::Hide)
        emit SelBtnControl(currentButton(), false);
    return QWidget::eventFilter(watched, event);
}

void KivoBtnWindow::pick(int iCode)
{
    KivoPushButton* btn = currentButton();
    const ButtonCatalogue::Entry* entry = ButtonCatalogue::find(iCode);
    if (!btn || !entry || !m_pProfileData)
        return;
    emit SelBtnControl(btn, true);
    const int record = recordIndex(m_iSet, m_iIndex);
    ButtonAssignment& rec = m_pProfileData->ButtonInfo[record];
    if (!ButtonWrites::keepsLeftClick(*m_pProfileData, record, iCode)) {
        emit PopOneClickBox();
        finishPick(btn);
        return;
    }
    switch (entry->kind) {
    case ButtonCatalogue::Plain:
    case ButtonCatalogue::Sniper:
        ButtonWrites::writePlain(rec, iCode);
        break;
    case ButtonCatalogue::SingleKey:
        pickSingleKey(rec);
        break;
    case ButtonCatalogue::ComboKey:
        pickComboKey(rec);
        break;
    case ButtonCatalogue::FireKey:
        pickFireKey(rec);
        break;
    case ButtonCatalogue::Macro:
    case ButtonCatalogue::GunFile:
        pickMacro(rec, record, iCode);
        break;
    }
    refreshLabel(record);
    logLabels();
    finishPick(btn);
}

void KivoBtnWindow::finishPick(KivoPushButton* btn)
{
    emit SelBtnControl(btn, false);
    if (m_pMarked) {
        m_pMarked->setDown(false);
        m_pMarked = nullptr;
    }
    m_iSet = kNone;
    m_iIndex = kNone;
}

std::unique_ptr<KeyboardHook> KivoBtnWindow::makeHook() const
{
    return m_HookFactory ? m_HookFactory() : nullptr;
}

bool KivoBtnWindow::pickSingleKey(ButtonAssignment& button)
{
    KivoSingleKeyWindow dialog(this, m_dScale, makeHook());
    if (button.Fun == FunctionCode::SingleKey)
        dialog.prefill(button.Res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ButtonWrites::writeSingleKey(button, dialog.keyCode());
    return true;
}

bool KivoBtnWindow::pickComboKey(ButtonAssignment& button)
{
    KivoComboKeyWindow dialog(this, m_dScale, makeHook());
    if (button.Fun == FunctionCode::ComboKey)
        dialog.prefill(ButtonWrites::comboKeys(button));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ButtonWrites::writeCombo(button, dialog.keyCodes());
    return true;
}

bool KivoBtnWindow::pickFireKey(ButtonAssignment& button)
{
    KivoFireKeyWindow dialog(this, m_dScale, makeHook());
    if (button.Fun == FunctionCode::FireKey)
        dialog.prefill(button);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ButtonWrites::writeFireKey(button, dialog.fireCode(), dialog.times(), dialog.delay());
    return true;
}

bool KivoBtnWindow::pickMacro(ButtonAssignment& button, int iRecord, int iCode)
{
    const bool bGun = iCode == FunctionCode::GunFile;
    if (bGun && iRecord == 0) {
        UserPrompts::notice(this, tr("Warning"), tr("Left Button Can not be Gun Function."));
        return false;
    }
    if (MacroList::count() == 0) {
        emit GotoMacroTab(kMacroPage);
        return false;
    }
    const bool bHeld = button.Fun == iCode;
    KivoMacroSelect dialog(bGun ? KivoMacroSelect::kGunFileTitle : KivoMacroSelect::kMacroTitle,
                           bHeld ? button.macroname : QString(), bHeld ? button.LoopNumber : 1,
                           bHeld ? button.Res1 : 0, bHeld ? button.Res2 : 0, this, m_dScale);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.writeInto(button, iCode);
    return true;
}
