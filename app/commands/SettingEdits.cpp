#include "app/commands/SettingEdits.h"

#include "buttons/ButtonCatalogue.h"
#include "buttons/ButtonWrites.h"
#include "buttons/ComboKeyState.h"
#include "device/WriteGuard.h"
#include "model/ButtonOrder.h"
#include "model/DeviceDescription.h"
#include "model/DpiSensorRange.h"
#include "model/KeyTable.h"
#include "model/ProfileRules.h"
#include "pages/KivoColorWindow.h"

#include <QRegularExpression>

namespace {
const int kRates[][2] = {{125, 8}, {250, 4}, {500, 2}, {1000, 1}};

// The longest key name (English, any case) at `at` of `text`; its code, and its length in
// `length`. Longest, so that "Num +" is one key and not "Num" and a separator.
int keyAt(const QString& text, int at, int* length)
{
    int code = -1;
    *length = 0;
    for (int c = 0; c < KeyTable::kNameCount; ++c) {
        const QString name = KeyTable::keyName(quint8(c), false);
        if (!name.isEmpty() && name.size() > *length &&
            text.midRef(at, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
            code = c;
            *length = name.size();
        }
    }
    return code;
}

// Key names joined by '+'; empty when one is not a key name.
QVector<quint8> keysOf(const QString& text)
{
    QVector<quint8> codes;
    bool bSeparator = false;
    for (int at = 0; at < text.size();) {
        int length = 0;
        const int code = keyAt(text, at, &length);
        if (code < 0)
            return {};
        codes.append(quint8(code));
        at += length;
        bSeparator = at < text.size();
        if (bSeparator && text.at(at++) != QLatin1Char('+'))
            return {};
    }
    return bSeparator ? QVector<quint8>() : codes;
}

// The catalogue entry an English label names, any case; null for none.
const ButtonCatalogue::Entry* entryNamed(const QString& label)
{
    for (const ButtonCatalogue::Entry& entry : ButtonCatalogue::entries()) {
        if (entry.label && label.compare(QLatin1String(entry.label), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

// Whether the button menus of this model offer the entry on a mouse button.
bool offered(const ButtonCatalogue::Entry& entry)
{
    switch (entry.menu) {
    case ButtonCatalogue::WheelOnly:
    case ButtonCatalogue::ProfileMenu:
    case ButtonCatalogue::GunFileEntry:
        return false;
    case ButtonCatalogue::LedEntry:
        return DeviceDescription::ledDisable() == 0;
    default:
        return true;
    }
}
} // namespace

QString SettingEdits::addDpi(const QString& value)
{
    const QRegularExpression form("^([1-8])=(\\d{1,6})(?:[xX](\\d{1,6}))?$");
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch())
        return tr("--dpi takes LEVEL=X or LEVEL=XxY, for example 2=1600 or 2=1600x800.");
    const int x = match.captured(2).toInt();
    const int y = match.captured(3).isEmpty() ? x : match.captured(3).toInt();
    m_Dpi.append({match.captured(1).toInt(), x, y});
    m_Arguments << "--dpi" << value;
    return QString();
}

QString SettingEdits::setStage(const QString& value)
{
    bool bOk = false;
    m_iStage = value.toInt(&bOk);
    if (!bOk || m_iStage < 1 || m_iStage > ProfileData::kDpiLevelCount)
        return tr("--dpi-stage takes a DPI level from 1 to %1.").arg(ProfileData::kDpiLevelCount);
    m_Arguments << "--dpi-stage" << value;
    return QString();
}

QString SettingEdits::setRate(const QString& value)
{
    for (const auto& rate : kRates) {
        if (value == QString::number(rate[0])) {
            m_iRateCode = rate[1];
            m_Arguments << "--rate" << value;
            return QString();
        }
    }
    return tr("--rate takes 125, 250, 500 or 1000.");
}

QString SettingEdits::setLighting(const QString& value)
{
    QStringList names;
    for (int i = 0; i < KivoColorWindow::kEffectCount; ++i) {
        const QString name =
            QLatin1String(KivoColorWindow::effectKey(KivoColorWindow::menuEffect(i)));
        if (value.compare(name, Qt::CaseInsensitive) == 0) {
            m_iEffect = KivoColorWindow::menuEffect(i);
            m_Arguments << "--lighting" << value;
            return QString();
        }
        names << name;
    }
    return tr("--lighting takes one of: %1.").arg(names.join(", "));
}

QString SettingEdits::setColour(const QString& value)
{
    static const QRegularExpression form("^#?[0-9a-fA-F]{6}$");
    if (!form.match(value).hasMatch())
        return tr("--colour takes RRGGBB in hexadecimal, for example ff8000.");
    m_Colour = QColor(value.startsWith('#') ? value : '#' + value);
    m_Arguments << "--colour" << value;
    return QString();
}

QString SettingEdits::addButton(const QString& value)
{
    const int at = value.indexOf('=');
    bool bOk = false;
    const int button = value.left(at).toInt(&bOk);
    if (at < 0 || !bOk || button < 1 || value.mid(at + 1).trimmed().isEmpty())
        return tr("--button takes N=FUNCTION, for example 4=\"SINGLE KEY:Enter\".");
    m_Buttons.append({button, value.mid(at + 1).trimmed()});
    m_Arguments << "--button" << value;
    return QString();
}

int SettingEdits::dpiLevelCount()
{
    const int count = DeviceDescription::dpiLevelCount();
    return count >= 1 && count <= ProfileData::kDpiLevelCount ? count : ProfileData::kDpiLevelCount;
}

int SettingEdits::rateHz(int iCode)
{
    for (const auto& rate : kRates) {
        if (rate[1] == iCode)
            return rate[0];
    }
    return 0;
}

QString SettingEdits::functionText(const ButtonAssignment& button)
{
    QStringList keys;
    switch (button.Fun) {
    case FunctionCode::SingleKey:
        return QStringLiteral("SINGLE KEY:") + KeyTable::keyName(button.Res1, false);
    case FunctionCode::ComboKey:
        for (quint8 code : ButtonWrites::comboKeys(button))
            keys << KeyTable::keyName(code, false);
        return QStringLiteral("COMBO KEY:") + keys.join('+');
    case FunctionCode::Macro:
        return QStringLiteral("MACRO:") + button.macroname;
    default:
        break;
    }
    const ButtonCatalogue::Entry* entry = ButtonCatalogue::find(button.Fun);
    if (entry && entry->label)
        return QLatin1String(entry->label);
    return QStringLiteral("code %1").arg(button.Fun);
}

QString SettingEdits::applyTo(MouseConfig& config) const
{
    MouseConfig edited = config;
    const int slot = edited.ProfileID % MouseConfig::kProfileCount;
    ProfileData& profile = edited.Profile[slot];
    QString why = applyDpi(profile);
    for (int i = 0; why.isEmpty() && i < m_Buttons.size(); ++i)
        why = applyButton(profile, m_Buttons[i].first, m_Buttons[i].second);
    // A model whose profiles share one lighting keeps it in slot 0.
    if (why.isEmpty())
        why = applyLighting(
            edited.Profile[KivoColorWindow::lightingSlot(DeviceDescription::productName(), slot)]);
    if (why.isEmpty())
        why = WriteGuard::check(profile);
    if (why.isEmpty())
        config = edited;
    return why;
}

QString SettingEdits::applyDpi(ProfileData& profile) const
{
    const int levels = dpiLevelCount();
    if (m_iStage > levels)
        return tr("--dpi-stage takes a DPI level from 1 to %1.").arg(levels);
    if (m_iStage > 0)
        profile.dpi = quint8(m_iStage - 1);
    if (m_iRateCode > 0)
        profile.pollrate = quint8(m_iRateCode);
    if (m_Dpi.isEmpty())
        return QString();
    const WriteGuard::Model model = WriteGuard::currentModel();
    DpiSensorRange range;
    if (!DpiSensorRange::find(model.iSensor, model.product, model.iWideRange, &range))
        return tr("The DPI steps of sensor %1 are not known; set the DPI in the window.")
            .arg(model.iSensor);
    // The step whose DPI is the one asked for, as the page's slider would reach it.
    const auto stepOf = [&](int dpi, QString* why) {
        int below = 0;
        int above = 0;
        for (int step = range.iMinStep; step <= range.iMaxStep; ++step) {
            const int d = ProfileRules::dpiOfStep(quint32(step), model.iSensor);
            if (d == dpi)
                return step;
            if (d < dpi && d > below)
                below = d;
            if (d > dpi && (above == 0 || d < above))
                above = d;
        }
        *why = tr("This mouse cannot be set to %1 DPI; the nearest settings are %2 and %3.")
                   .arg(dpi)
                   .arg(below ? QString::number(below) : QStringLiteral("-"))
                   .arg(above ? QString::number(above) : QStringLiteral("-"));
        return -1;
    };
    for (const Dpi& edit : m_Dpi) {
        if (edit.iLevel > levels)
            return tr("This mouse has DPI levels 1 to %1.").arg(levels);
        QString why;
        const int x = stepOf(edit.iX, &why);
        const int y = x < 0 ? -1 : stepOf(edit.iY, &why);
        if (y < 0)
            return why;
        DpiLevel& level = profile.DpiInfo[edit.iLevel - 1];
        level.x = quint32(x);
        level.y = quint32(y);
        // One linked value cannot hold two resolutions.
        if (x != y)
            level.link = 0;
    }
    return QString();
}

QString SettingEdits::applyLighting(ProfileData& profile) const
{
    if (m_iEffect < 0 && !m_Colour.isValid())
        return QString();
    if (DeviceDescription::ledDisable() != 0)
        return tr("This mouse has no lighting.");
    if (m_iEffect >= 0)
        profile.LedMode = quint8(m_iEffect);
    if (!m_Colour.isValid())
        return QString();
    if (!KivoColorWindow::controlsOf(profile.LedMode).bColor)
        return tr("The lighting effect %1 takes no colour.")
            .arg(QLatin1String(KivoColorWindow::effectKey(profile.LedMode)));
    profile.activeLed().setColour(m_Colour);
    return QString();
}

QString SettingEdits::applyButton(ProfileData& profile, int iButton, const QString& function) const
{
    const QVector<int> records = ButtonOrder::records();
    if (iButton > records.size())
        return tr("This mouse has buttons 1 to %1.").arg(records.size());
    const int record = records[iButton - 1];
    const QString name = function.section(':', 0, 0).trimmed();
    const QString keys = function.section(':', 1).trimmed();
    const ButtonCatalogue::Entry* entry = entryNamed(name);
    if (!entry || !offered(*entry))
        return tr("No button function is called \"%1\".").arg(name);
    if (!ButtonWrites::keepsLeftClick(profile, record, entry->iCode))
        return QCoreApplication::translate("MousecfgWidget",
                                           "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
    ButtonAssignment& button = profile.ButtonInfo[record];
    const QVector<quint8> codes = keysOf(keys);
    switch (entry->kind) {
    case ButtonCatalogue::Plain:
        if (!keys.isEmpty())
            break;
        ButtonWrites::writePlain(button, entry->iCode);
        return QString();
    case ButtonCatalogue::SingleKey:
        if (codes.size() != 1)
            break;
        ButtonWrites::writeSingleKey(button, codes.first());
        return QString();
    case ButtonCatalogue::ComboKey: {
        ComboKeyState combo;
        combo.prefill(codes);
        // Keys the mouse has no usage for would be dropped from the combination.
        quint8 usage = 0;
        for (quint8 code : codes) {
            if (!KeyTable::keyCodeToUsage(code, usage))
                return tr("The key %1 cannot be part of a combination.")
                    .arg(KeyTable::keyName(code, false));
        }
        if (codes.isEmpty() || combo.keyCodes().size() != codes.size())
            break;
        ButtonWrites::writeCombo(button, combo.keyCodes());
        return QString();
    }
    default:
        return tr("\"%1\" has settings of its own; assign it in the window.").arg(name);
    }
    return tr("Give keys by name: \"SINGLE KEY:Enter\", \"COMBO KEY:LCtr+C\"; other functions "
              "take none.");
}
