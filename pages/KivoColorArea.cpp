#include "pages/KivoColorArea.h"

#include "pages/DefaultColorArea.h"
#include "pages/HColorArea.h"
#include "pages/PreviewColorArea.h"
#include "pages/SVColorArea.h"
#include "widgets/KivoPushButton.h"
#include "widgets/SkinStyleSheet.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {
const QColor kDefaultColors[KivoColorArea::kDefaultColorCount] = {
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),    QColor(0, 255, 255),
    QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255)};

QString hexOf(const QColor& color)
{
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'));
}

QColor opaque(const QColor& color)
{
    const QColor rgb = color.isValid() ? color.toRgb() : QColor(0, 0, 0);
    return QColor(rgb.red(), rgb.green(), rgb.blue());
}
} // namespace

KivoColorArea::KivoColorArea(QWidget* parent, double dScale)
    : KivoTranslucentDialog(parent, QStringLiteral("dlg.png"), QSize(kWidth, kHeight), dScale)
{
    setObjectName("KivoColorArea");
    setStyleSheet(SkinStyleSheet::pages(scale()));
    buildControls();
    placeControls();
    retranslate();
    setColor(m_Color);
}

QString KivoColorArea::completeHex(const QString& text)
{
    const QString t = text.left(6);
    switch (t.size()) {
    case 0:
        return QStringLiteral("000000");
    case 3:
        return QString(t[0]) + t[0] + t[1] + t[1] + t[2] + t[2];
    default:
        return QString(6 - t.size(), QLatin1Char('0')) + t;
    }
}

void KivoColorArea::buildControls()
{
    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName("title");
    m_pTitle->setProperty("role", "title");

    m_pHueBar = new HColorArea(this);
    m_pHueBar->setObjectName("hueBar");
    m_pSvField = new SVColorArea(this);
    m_pSvField->setObjectName("svField");
    m_pPreview = new PreviewColorArea(this);
    m_pPreview->setObjectName("preview");
    connect(m_pHueBar, &HColorArea::hueChangedSignal, m_pSvField, &SVColorArea::hueChangedSlot);
    connect(m_pSvField, &SVColorArea::svChangedSignal, m_pPreview,
            &PreviewColorArea::svChangedSlot);
    connect(m_pPreview, &PreviewColorArea::svChangedSignal, this, &KivoColorArea::updateEditData);
    connect(m_pHueBar, &HColorArea::mouseReleaseSignal, this, &KivoColorArea::MouseReleaseSlot);
    connect(m_pSvField, &SVColorArea::mouseReleaseSignal, this, &KivoColorArea::MouseReleaseSlot);

    for (int i = 0; i < kDefaultColorCount; ++i) {
        m_pDefaults[i] = new DefaultColorArea(kDefaultColors[i], this);
        m_pDefaults[i]->setObjectName(QStringLiteral("default%1").arg(i));
        connect(m_pDefaults[i], &DefaultColorArea::ClickedSignal, this,
                &KivoColorArea::color_clicked);
    }

    for (QLabel*& label : m_pLabels)
        label = new QLabel(this);
    m_pHSpin = spinBox(HColorArea::kMaxHue, "hSpin");
    m_pSSpin = spinBox(255, "sSpin");
    m_pVSpin = spinBox(255, "vSpin");
    m_pRSpin = spinBox(255, "rSpin");
    m_pGSpin = spinBox(255, "gSpin");
    m_pBSpin = spinBox(255, "bSpin");
    const auto changed = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_pHSpin, changed, this, &KivoColorArea::hValueChangedSlot);
    connect(m_pSSpin, changed, this, &KivoColorArea::sValueChangedSlot);
    connect(m_pVSpin, changed, this, &KivoColorArea::vValueChangedSlot);
    connect(m_pRSpin, changed, this, &KivoColorArea::rValueChangedSlot);
    connect(m_pGSpin, changed, this, &KivoColorArea::gValueChangedSlot);
    connect(m_pBSpin, changed, this, &KivoColorArea::bValueChangedSlot);

    m_pHexLabel = new QLabel(QStringLiteral("#"), this);
    m_pHexEdit = new QLineEdit(this);
    m_pHexEdit->setObjectName("hexEdit");
    m_pHexEdit->setMaxLength(6);
    m_pHexEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,6}")), m_pHexEdit));
    QFont mono(QStringLiteral("Consolas"));
    // Where Consolas is not installed, any fixed-pitch face keeps the digits aligned.
    mono.setFamilies({QStringLiteral("Consolas"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(px(14));
    m_pHexEdit->setFont(mono);
    m_pHexEdit->installEventFilter(this);
    connect(m_pHexEdit, &QLineEdit::textEdited, this, &KivoColorArea::editChangedSlot);
    connect(m_pHexEdit, &QLineEdit::editingFinished, this, &KivoColorArea::editFinishedSlot);

    const QStringList faces = KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"});
    m_pOk = new KivoPushButton(faces, this, scale());
    m_pOk->setObjectName("okButton");
    m_pNo = new KivoPushButton(faces, this, scale());
    m_pNo->setObjectName("noButton");
    QFont buttonFont = font();
    buttonFont.setPixelSize(px(13));
    buttonFont.setBold(true);
    for (KivoPushButton* button : {m_pOk, m_pNo}) {
        button->setFont(buttonFont);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, button] { onButton(button); });
    }
    // Enter takes the colour shown, from any control (Escape leaves it, as in every dialog).
    m_pOk->setDefault(true);
}

QSpinBox* KivoColorArea::spinBox(int iTop, const char* name)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(0, iTop);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spin->setKeyboardTracking(false);
    return spin;
}

void KivoColorArea::placeControls()
{
    m_pTitle->setGeometry(scaledRect(20, 10, 300, 28));
    // The field keeps its place; its widget is larger by the room its marker needs.
    const int margin = px(8);
    m_pSvField->setMargin(margin);
    m_pSvField->setGeometry(
        scaledRect(20, 48, 200, 200).adjusted(-margin, -margin, margin, margin));
    m_pHueBar->setGeometry(scaledRect(232, 48, 20, 200));
    m_pPreview->setGeometry(scaledRect(272, 48, 178, 36));
    QSpinBox* spins[6] = {m_pHSpin, m_pSSpin, m_pVSpin, m_pRSpin, m_pGSpin, m_pBSpin};
    for (int i = 0; i < 6; ++i) {
        const int x = i < 3 ? 272 : 364;
        const int y = 98 + 34 * (i % 3);
        m_pLabels[i]->setGeometry(scaledRect(x, y, 22, 26));
        spins[i]->setGeometry(scaledRect(x + 22, y, 64, 26));
    }
    m_pHexLabel->setGeometry(scaledRect(272, 200, 22, 26));
    m_pHexEdit->setGeometry(scaledRect(294, 200, 156, 26));
    for (int i = 0; i < kDefaultColorCount; ++i)
        m_pDefaults[i]->setGeometry(scaledRect(20 + 30 * i, 264, 22, 22));
    m_pOk->setGeometry(scaledRect(262, 258, 90, 30));
    m_pNo->setGeometry(scaledRect(362, 258, 90, 30));
}

void KivoColorArea::retranslate()
{
    m_pTitle->setText(tr("COLOR"));
    // Frameless, so never drawn; it names the dialog to the window system.
    setWindowTitle(tr("COLOR"));
    static const char* const labels[6] = {QT_TR_NOOP("H "), QT_TR_NOOP("S "), QT_TR_NOOP("V "),
                                          QT_TR_NOOP("R "), QT_TR_NOOP("G "), QT_TR_NOOP("B ")};
    for (int i = 0; i < 6; ++i)
        m_pLabels[i]->setText(tr(labels[i]));
    m_pOk->setText(tr("Ok"));
    m_pNo->setText(tr("No"));
}

void KivoColorArea::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    KivoTranslucentDialog::changeEvent(event);
}

void KivoColorArea::onButton(KivoPushButton* button)
{
    if (button == m_pOk)
        accept();
    else
        reject();
}

void KivoColorArea::setColor(const QColor& color)
{
    takeRgb(color);
}

void KivoColorArea::takeRgb(const QColor& color)
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    m_Color = opaque(color);
    // Grey has no hue of its own: the bar stays where it was.
    if (m_Color.hsvHue() >= 0)
        m_iHue = m_Color.hsvHue();
    m_iSat = m_Color.hsvSaturation();
    m_iVal = m_Color.value();
    showAll();
    m_bUpdating = false;
}

void KivoColorArea::takeHsv(int iHue, int iSat, int iVal)
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    m_iHue = qBound(0, iHue, HColorArea::kMaxHue);
    m_iSat = qBound(0, iSat, 255);
    m_iVal = qBound(0, iVal, 255);
    m_Color = QColor::fromHsv(m_iHue % 360, m_iSat, m_iVal).toRgb();
    showAll();
    m_bUpdating = false;
}

void KivoColorArea::showAll()
{
    m_pHueBar->setHue(m_iHue);
    m_pSvField->setHsv(m_iHue, m_iSat, m_iVal);
    m_pPreview->setColor(m_Color);
    m_pHSpin->setValue(m_iHue);
    m_pSSpin->setValue(m_iSat);
    m_pVSpin->setValue(m_iVal);
    m_pRSpin->setValue(m_Color.red());
    m_pGSpin->setValue(m_Color.green());
    m_pBSpin->setValue(m_Color.blue());
    m_pHexEdit->setText(hexOf(m_Color));
}

bool KivoColorArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pHexEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The typed digits first, so that the colour taken is the one they name.
            editFinishedSlot();
            m_pOk->click();
            return true;
        }
    }
    return KivoTranslucentDialog::eventFilter(watched, event);
}

void KivoColorArea::color_clicked()
{
    auto* swatch = qobject_cast<DefaultColorArea*>(sender());
    if (!swatch)
        return;
    takeRgb(swatch->color());
    emit KivoChangeColor(m_Color);
    emit ApplyColor();
}

void KivoColorArea::hValueChangedSlot(int iValue)
{
    takeHsv(iValue, m_iSat, m_iVal);
}

void KivoColorArea::sValueChangedSlot(int iValue)
{
    takeHsv(m_iHue, iValue, m_iVal);
}

void KivoColorArea::vValueChangedSlot(int iValue)
{
    takeHsv(m_iHue, m_iSat, iValue);
}

void KivoColorArea::rValueChangedSlot(int iValue)
{
    takeRgb(QColor(iValue, m_Color.green(), m_Color.blue()));
}

void KivoColorArea::gValueChangedSlot(int iValue)
{
    takeRgb(QColor(m_Color.red(), iValue, m_Color.blue()));
}

void KivoColorArea::bValueChangedSlot(int iValue)
{
    takeRgb(QColor(m_Color.red(), m_Color.green(), iValue));
}

void KivoColorArea::updateEditData(int iHue, int iSat, int iVal)
{
    takeHsv(iHue, iSat, iVal);
}

void KivoColorArea::editChangedSlot(const QString& text)
{
    // A complete colour takes effect while typing; shorter text waits for the end of the edit.
    if (text.size() != 6)
        return;
    const int cursor = m_pHexEdit->cursorPosition();
    takeRgb(QColor(QLatin1Char('#') + text));
    m_pHexEdit->setCursorPosition(cursor);
}

void KivoColorArea::editFinishedSlot()
{
    const QString hex = completeHex(m_pHexEdit->text());
    // Leaving the edit unchanged must not round the hue through R, G, B.
    if (hex.compare(hexOf(m_Color), Qt::CaseInsensitive) == 0) {
        m_pHexEdit->setText(hexOf(m_Color));
        return;
    }
    takeRgb(QColor(QLatin1Char('#') + hex));
}

void KivoColorArea::MouseReleaseSlot()
{
    emit ApplyColor();
}
