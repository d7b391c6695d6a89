#include "buttons/KivoKeyWindow.h"

#include "model/AppSettings.h"
#include "widgets/KeyCapture.h"
#include "widgets/KivoPushButton.h"
#include "widgets/SkinStyleSheet.h"

#include <QEvent>
#include <QLabel>
#include <QVariant>

KivoKeyWindow::KivoKeyWindow(QWidget* parent, double dScale, KeyboardHook::Mode mode,
                             std::unique_ptr<KeyboardHook> hook)
    : KivoTranslucentDialog(parent, QStringLiteral("dlgkey.png"), QSize(400, 258), dScale)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setStyleSheet(SkinStyleSheet::dialogs(dScale));
    m_pTitle = new QLabel(this);
    m_pTitle->setGeometry(scaledRect(24, 14, 352, 26));
    m_pTitle->setProperty("role", QStringLiteral("title"));

    m_pKeys = new QLabel(this);
    m_pKeys->setObjectName("keyText");
    m_pKeys->setAlignment(Qt::AlignCenter);
    m_pKeys->setTextFormat(Qt::RichText);
    m_pKeys->setGeometry(scaledRect(40, 82, 320, 40));
    m_pKeys->setProperty("role", QStringLiteral("keyField"));

    m_pFocusNote = new QLabel(this);
    m_pFocusNote->setObjectName("focusNote");
    m_pFocusNote->setAlignment(Qt::AlignCenter);
    m_pFocusNote->setWordWrap(true);
    m_pFocusNote->setGeometry(scaledRect(24, 132, 352, 40));
    m_pFocusNote->setProperty("role", QStringLiteral("note"));

    const QStringList faces = KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"});
    m_pOk = new KivoPushButton(faces, this, dScale);
    m_pOk->setObjectName("okButton");
    m_pOk->setGeometry(scaledRect(60, 200, 128, 30));
    m_pCancel = new KivoPushButton(faces, this, dScale);
    m_pCancel->setObjectName("cancelButton");
    m_pCancel->setGeometry(scaledRect(212, 200, 128, 30));
    for (KivoPushButton* button : {m_pOk, m_pCancel}) {
        // Keys typed for the capture must reach the window, never press a button (Enter or the
        // space bar would close it).
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setFont(AppSettings::currentFont(dScale));
        connect(button, &QPushButton::clicked, this, &KivoKeyWindow::checkbtn_clicked);
    }

    setFocusPolicy(Qt::StrongFocus);
    m_pCapture = std::make_unique<KeyCapture>(this, mode, std::move(hook));
    connect(m_pCapture.get(), &KeyCapture::keyCaptured, this, &KivoKeyWindow::onKey);
    m_pCapture->start();
    m_pFocusNote->setVisible(!m_pCapture->isGlobal());
}

// The capture goes first, so that no key reaches a window that is half torn down.
KivoKeyWindow::~KivoKeyWindow()
{
    m_pCapture.reset();
}

QString KivoKeyWindow::keyText() const
{
    return m_KeyText;
}

// An empty field says what to do, in a dimmer ink than a key's name.
QString KivoKeyWindow::keyFieldText(const QString& keyText, const QString& prompt)
{
    if (!keyText.isEmpty())
        return keyText.toHtmlEscaped();
    return QStringLiteral("<span style=\"color:#8d96a2\">%1</span>").arg(prompt.toHtmlEscaped());
}

void KivoKeyWindow::showKeyText(const QString& text)
{
    m_KeyText = text;
    m_pKeys->setText(keyFieldText(text, promptText()));
}

void KivoKeyWindow::setCaptured(bool bCaptured)
{
    m_pOk->setEnabled(bCaptured);
}

void KivoKeyWindow::retranslate()
{
    m_pTitle->setText(titleText());
    showKeyText(m_KeyText);
    m_pOk->setText(tr("OK"));
    m_pCancel->setText(tr("Cancel"));
    m_pFocusNote->setText(tr("Keys are captured while this window has the focus."));
}

void KivoKeyWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    KivoTranslucentDialog::changeEvent(event);
}

void KivoKeyWindow::checkbtn_clicked()
{
    if (sender() == m_pOk)
        accept();
    else
        reject();
}
