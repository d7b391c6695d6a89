#include "buttons/KivoFireKeyWindow.h"

#include "buttons/ButtonWrites.h"
#include "buttons/KivoKeyWindow.h"
#include "model/AppSettings.h"
#include "model/ButtonAssignment.h"
#include "model/KeyTable.h"
#include "widgets/KeyCapture.h"
#include "widgets/KivoPushButton.h"
#include "widgets/MyIntValidator.h"
#include "widgets/SkinStyleSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

namespace {
constexpr int kMaxDigits = 3;
constexpr int kMin = 1;
constexpr int kMax = 255;
} // namespace

KivoFireKeyWindow::KivoFireKeyWindow(QWidget* parent, double dScale,
                                     std::unique_ptr<KeyboardHook> hook)
    : KivoTranslucentDialog(parent, QStringLiteral("dlgfire.png"), QSize(400, 290), dScale)
{
    setObjectName("KivoFireKeyWindow");
    setStyleSheet(SkinStyleSheet::dialogs(dScale));
    m_pTitle = new QLabel(this);
    m_pTitle->setGeometry(scaledRect(24, 14, 352, 26));
    m_pTitle->setProperty("role", QStringLiteral("title"));

    static const QRect places[] = {QRect(40, 54, 150, 24), QRect(210, 54, 150, 24),
                                   QRect(40, 82, 150, 24), QRect(210, 82, 150, 24)};
    for (int i = 0; i < 4; ++i) {
        m_pTargets[i] = new QCheckBox(this);
        const QRect& r = places[i];
        m_pTargets[i]->setGeometry(scaledRect(r.x(), r.y(), r.width(), r.height()));
        // The captured key goes to the window, not to a target it would toggle.
        m_pTargets[i]->setFocusPolicy(Qt::NoFocus);
        connect(m_pTargets[i], &QCheckBox::stateChanged, this, &KivoFireKeyWindow::onStateChanged);
    }

    m_pKeyName = new QLabel(this);
    m_pKeyName->setObjectName("keyText");
    m_pKeyName->setAlignment(Qt::AlignCenter);
    m_pKeyName->setTextFormat(Qt::RichText);
    m_pKeyName->setGeometry(scaledRect(40, 116, 320, 32));
    m_pKeyName->setProperty("role", QStringLiteral("keyField"));

    m_pTimesLabel = new QLabel(this);
    m_pTimesLabel->setGeometry(scaledRect(40, 164, 80, 24));
    m_pDelayLabel = new QLabel(this);
    m_pDelayLabel->setGeometry(scaledRect(210, 164, 70, 24));
    m_pTimes = new QLineEdit(QStringLiteral("3"), this);
    m_pTimes->setObjectName("timesEdit");
    m_pTimes->setGeometry(scaledRect(124, 164, 66, 24));
    m_pDelay = new QLineEdit(QStringLiteral("100"), this);
    m_pDelay->setObjectName("delayEdit");
    m_pDelay->setGeometry(scaledRect(284, 164, 76, 24));
    for (QLineEdit* edit : {m_pTimes, m_pDelay}) {
        edit->setMaxLength(kMaxDigits);
        edit->setValidator(new MyIntValidator(kMin, kMax, edit));
        connect(edit, &QLineEdit::textChanged, this, &KivoFireKeyWindow::OnEditDataChanged);
        connect(edit, &QLineEdit::returnPressed, this, &KivoFireKeyWindow::onEditReturn);
    }

    m_pFocusNote = new QLabel(this);
    m_pFocusNote->setAlignment(Qt::AlignCenter);
    m_pFocusNote->setWordWrap(true);
    m_pFocusNote->setGeometry(scaledRect(24, 196, 352, 34));
    m_pFocusNote->setProperty("role", QStringLiteral("note"));

    const QStringList faces = KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"});
    m_pOk = new KivoPushButton(faces, this, dScale);
    m_pOk->setObjectName("okButton");
    m_pOk->setGeometry(scaledRect(60, 240, 128, 30));
    m_pCancel = new KivoPushButton(faces, this, dScale);
    m_pCancel->setObjectName("cancelButton");
    m_pCancel->setGeometry(scaledRect(212, 240, 128, 30));
    for (KivoPushButton* button : {m_pOk, m_pCancel}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setFont(AppSettings::currentFont(dScale));
        connect(button, &QPushButton::clicked, this, &KivoFireKeyWindow::checkbtn_clicked);
    }

    setFocusPolicy(Qt::StrongFocus);
    m_pCapture = std::make_unique<KeyCapture>(this, KeyboardHook::Observe, std::move(hook));
    connect(m_pCapture.get(), &KeyCapture::keyCaptured, this, &KivoFireKeyWindow::onKey);
    m_pFocusNote->hide();
    connect(qApp, &QApplication::focusChanged, this, [this] { updateCapture(); });

    retranslate();
    setTarget(LeftTarget);
}

KivoFireKeyWindow::~KivoFireKeyWindow()
{
    // QDialog's destructor hides the window, which moves the focus: the slot must not run on
    // what is left of this object by then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    m_pCapture.reset();
}

void KivoFireKeyWindow::prefill(const ButtonAssignment& button)
{
    switch (button.Res1) {
    case 0:
    case ButtonWrites::kFireLeft:
        setTarget(LeftTarget);
        break;
    case ButtonWrites::kFireRight:
        setTarget(RightTarget);
        break;
    case ButtonWrites::kFireMiddle:
        setTarget(MiddleTarget);
        break;
    default: {
        setTarget(KeyTarget);
        quint8 code = 0;
        if (KeyTable::usageToKeyCode(button.Res1, code))
            setKey(code);
        break;
    }
    }
    m_pTimes->setText(QString::number(button.LoopNumber != 0 ? button.LoopNumber : 3));
    m_pDelay->setText(QString::number(button.KeyNumber != 0 ? button.KeyNumber : 10));
}

void KivoFireKeyWindow::setTarget(Target target)
{
    m_Target = target;
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(m_pTargets[i]);
        m_pTargets[i]->setChecked(i == target);
    }
    if (target == KeyTarget) {
        m_pCapture->start();
        m_pFocusNote->setVisible(!m_pCapture->isGlobal());
        showKey();
        setFocus();
    } else {
        m_pCapture->stop();
        m_pFocusNote->hide();
        setKey(0);
    }
    updateOk();
}

void KivoFireKeyWindow::updateCapture()
{
    // The capture takes every key of the window, so it pauses while a number is typed. It never
    // starts again once the window is hidden: closing it ends the capture for good.
    if (m_Target != KeyTarget || !isVisible())
        return;
    if (m_pTimes->hasFocus() || m_pDelay->hasFocus())
        m_pCapture->stop();
    else
        m_pCapture->start();
}

QString KivoFireKeyWindow::keyText() const
{
    return m_iKeyCode != 0 ? KeyTable::keyName(m_iKeyCode) : QString();
}

void KivoFireKeyWindow::showKey()
{
    // The prompt only where a key is wanted; the field stays blank for a fired button.
    m_pKeyName->setText(m_Target == KeyTarget
                            ? KivoKeyWindow::keyFieldText(keyText(), tr("Press a key"))
                            : QString());
}

int KivoFireKeyWindow::times() const
{
    return m_pTimes->text().toInt();
}

int KivoFireKeyWindow::delay() const
{
    return m_pDelay->text().toInt();
}

quint8 KivoFireKeyWindow::fireCode() const
{
    switch (m_Target) {
    case LeftTarget:
        return ButtonWrites::kFireLeft;
    case RightTarget:
        return ButtonWrites::kFireRight;
    case MiddleTarget:
        return ButtonWrites::kFireMiddle;
    case KeyTarget:
        break;
    }
    quint8 usage = 0;
    KeyTable::keyCodeToUsage(m_iKeyCode, usage);
    return usage;
}

void KivoFireKeyWindow::onStateChanged(int iState)
{
    for (int i = 0; i < 4; ++i) {
        if (sender() == m_pTargets[i]) {
            // A target is unchecked only by choosing another one.
            setTarget(iState == Qt::Unchecked ? m_Target : Target(i));
            return;
        }
    }
}

void KivoFireKeyWindow::OnEditDataChanged(const QString&)
{
    updateOk();
}

void KivoFireKeyWindow::onEditReturn()
{
    // Back to the window, so that keys are captured again.
    setFocus();
}

void KivoFireKeyWindow::checkbtn_clicked()
{
    if (sender() == m_pOk)
        accept();
    else
        reject();
}

void KivoFireKeyWindow::onKey(const KeyStroke& stroke)
{
    if (m_Target != KeyTarget || m_pTimes->hasFocus() || m_pDelay->hasFocus())
        return;
    if (m_bHaveLast && stroke.scanCode == m_LastCode && stroke.flags == m_LastFlags)
        return;
    m_bHaveLast = true;
    m_LastCode = stroke.scanCode;
    m_LastFlags = stroke.flags;
    setKey(stroke.scanCode);
}

void KivoFireKeyWindow::setKey(quint8 keyCode)
{
    // Only keys the mouse can send are taken: a key without a HID usage would be stored as 0,
    // which reads back as a Left click.
    quint8 usage = 0;
    if (keyCode != 0 && !KeyTable::keyCodeToUsage(keyCode, usage))
        return;
    m_iKeyCode = keyCode;
    showKey();
    updateOk();
}

void KivoFireKeyWindow::updateOk()
{
    // Times and delay of 0 (an empty field) or a keyboard target without a key would store a
    // fire key that fires nothing.
    const bool bKeyOk = m_Target != KeyTarget || m_iKeyCode != 0;
    m_pOk->setEnabled(bKeyOk && m_pTimes->hasAcceptableInput() && m_pDelay->hasAcceptableInput());
}

void KivoFireKeyWindow::retranslate()
{
    m_pTitle->setText(tr("FireKey Setting"));
    m_pTargets[LeftTarget]->setText(tr("Left"));
    m_pTargets[RightTarget]->setText(tr("Right"));
    m_pTargets[MiddleTarget]->setText(tr("Middle"));
    m_pTargets[KeyTarget]->setText(tr("Keyboard Key"));
    m_pTimesLabel->setText(tr("Times:"));
    m_pDelayLabel->setText(tr("Delay:"));
    m_pOk->setText(tr("OK"));
    m_pCancel->setText(tr("Cancel"));
    m_pFocusNote->setText(tr("Keys are captured while this window has the focus."));
    showKey();
}

void KivoFireKeyWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    KivoTranslucentDialog::changeEvent(event);
}
