#include "macro/KivoMacroSelect.h"

#include "model/AppSettings.h"
#include "model/ButtonAssignment.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "widgets/KivoPushButton.h"
#include "widgets/MyIntValidator.h"
#include "widgets/SkinStyleSheet.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVariant>

// The two titles the openers pass.
const char* const KivoMacroSelect::kMacroTitle =
    QT_TRANSLATE_NOOP("KivoMacroSelect", "MACRO SELECT");
const char* const KivoMacroSelect::kGunFileTitle =
    QT_TRANSLATE_NOOP("KivoMacroSelect", "GUNFILE SELECT");

KivoMacroSelect::KivoMacroSelect(const QString& title, const QString& name, int iLoop, int iMode,
                                 int iFlag, QWidget* parent, double dScale)
    : KivoTranslucentDialog(parent, QStringLiteral("dlgmacro.png"), QSize(478, 309), dScale),
      m_TitleKey(title), m_Name(name)
{
    setObjectName("KivoMacroSelect");
    setStyleSheet(SkinStyleSheet::dialogs(dScale));
    m_pTitle = new QLabel(this);
    m_pTitle->setGeometry(scaledRect(24, 14, 430, 26));
    m_pTitle->setProperty("role", QStringLiteral("title"));

    const QStringList faces = KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"});
    m_pNameButton = new KivoPushButton(faces, this, dScale);
    m_pNameButton->setObjectName("nameButton");
    m_pNameButton->setGeometry(scaledRect(40, 56, 398, 30));
    m_pNameButton->setFont(AppSettings::currentFont(dScale));
    m_pMenu = new QMenu(this);
    m_pMenu->setStyleSheet(SkinStyleSheet::menus(dScale, SkinStyleSheet::accent()));
    m_pMenu->setMinimumWidth(px(398));
    const QStringList names = MacroList::names();
    for (int i = 0; i < names.size() && i < MacroList::kSlotCount; ++i) {
        const QString macro = names[i];
        m_pMenu->addAction(macro, this, [this, macro] { chooseName(macro); });
    }
    m_pNameButton->setMenu(m_pMenu);

    static const int modeY[] = {102, 134, 166};
    for (int i = 0; i < 3; ++i) {
        m_pModes[i] = new QCheckBox(this);
        m_pModes[i]->setGeometry(scaledRect(40, modeY[i], i == 0 ? 260 : 398, 24));
        connect(m_pModes[i], &QCheckBox::clicked, this, [this, i] { chooseMode(i); });
    }
    m_pLeft = new QCheckBox(this);
    m_pLeft->setGeometry(scaledRect(40, 204, 398, 24));
    connect(m_pLeft, &QCheckBox::clicked, this, &KivoMacroSelect::chooseLeftButtonMacro);

    m_pLoop = new QLineEdit(QString::number(iLoop), this);
    m_pLoop->setObjectName("loopEdit");
    m_pLoop->setGeometry(scaledRect(310, 102, 70, 24));
    m_pLoop->setMaxLength(3);
    m_pLoop->setValidator(new MyIntValidator(1, 255, m_pLoop));
    connect(m_pLoop, &QLineEdit::textChanged, this, &KivoMacroSelect::updateYes);

    m_pYes = new KivoPushButton(faces, this, dScale);
    m_pYes->setObjectName("yesButton");
    m_pYes->setDefault(true); // Enter says Yes, Escape No
    m_pYes->setGeometry(scaledRect(90, 256, 128, 30));
    m_pNo = new KivoPushButton(faces, this, dScale);
    m_pNo->setObjectName("noButton");
    m_pNo->setGeometry(scaledRect(260, 256, 128, 30));
    for (KivoPushButton* button : {m_pYes, m_pNo}) {
        button->setFont(AppSettings::currentFont(dScale));
        connect(button, &QPushButton::clicked, this, &KivoMacroSelect::checkbtn_clicked);
    }

    m_iMode = iMode >= LoopMode && iMode <= UntilPressMode ? iMode : LoopMode;
    m_iFlag = iFlag == 1 ? 1 : 0;
    showChecks();
    retranslate();
}

int KivoMacroSelect::loopCount() const
{
    return m_iFlag == 1 ? 1 : m_pLoop->text().toInt();
}

int KivoMacroSelect::mode() const
{
    if (m_iFlag == 1)
        return LoopMode;
    for (int i = 0; i < 3; ++i) {
        if (m_pModes[i]->isChecked())
            return i;
    }
    return LoopMode;
}

int KivoMacroSelect::writeInto(ButtonAssignment& button, int iCode) const
{
    button.Fun = iCode;
    button.macroname = m_Name;
    button.LoopNumber = loopCount();
    button.Res1 = quint8(mode());
    button.Res2 = quint8(m_iFlag);
    return MacroFile::copyIntoButton(MacroFile::load(m_Name), button);
}

void KivoMacroSelect::chooseName(const QString& name)
{
    m_Name = name;
    m_pNameButton->setText(name);
    updateYes();
}

void KivoMacroSelect::chooseMode(int iMode)
{
    m_iMode = iMode;
    m_iFlag = 0;
    showChecks();
}

void KivoMacroSelect::chooseLeftButtonMacro()
{
    m_iFlag = 1;
    showChecks();
}

void KivoMacroSelect::showChecks()
{
    for (int i = 0; i < 3; ++i)
        m_pModes[i]->setChecked(m_iFlag == 0 && i == m_iMode);
    m_pLeft->setChecked(m_iFlag == 1);
    updateYes();
}

void KivoMacroSelect::updateYes()
{
    // Without a macro, or with a loop count the mouse cannot run, "Yes" would store a button
    // that does nothing.
    const bool bLoopOk = m_iFlag == 1 || m_pLoop->hasAcceptableInput();
    m_pYes->setEnabled(!m_Name.isEmpty() && bLoopOk);
}

void KivoMacroSelect::checkbtn_clicked()
{
    if (sender() == m_pYes)
        accept();
    else
        reject();
}

void KivoMacroSelect::retranslate()
{
    m_pTitle->setText(tr(m_TitleKey.toUtf8().constData()));
    m_pNameButton->setText(m_Name.isEmpty() ? tr("Select a macro") : m_Name);
    m_pModes[LoopMode]->setText(tr("LOOPS TIME(1-255)"));
    m_pModes[WhileHeldMode]->setText(tr("REPEAT RUN WHEN KEY DOWN"));
    m_pModes[UntilPressMode]->setText(tr("REPEAT RUN UNTIL THE KEY DOWN"));
    m_pLeft->setText(tr("Left Button Macro"));
    m_pYes->setText(tr("Yes"));
    m_pNo->setText(tr("No"));
}

void KivoMacroSelect::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_pTitle)
        retranslate();
    KivoTranslucentDialog::changeEvent(event);
}
