#include "widgets/KivoMessageBox.h"

#include "widgets/KivoPushButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {
QStringList buttonImages()
{
    return KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"});
}
} // namespace

KivoMessageBox::KivoMessageBox(Kind kind, const QString& title, const QString& text,
                               const QString& text2, QWidget* parent, double dScale,
                               const QStringList& answers)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_Kind(kind),
      m_dScale(dScale > 0 ? dScale : 1.0)
{
    setObjectName("KivoMessageBox");
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(title);
    const auto px = [this](double v) { return qRound(v * m_dScale); };

    m_pTitle = new QLabel(title, this);
    m_pTitle->setObjectName("title");
    m_pTitle->setStyleSheet(
        QStringLiteral("color: #ffffff; font-weight: bold; font-size: %1px;").arg(px(16)));

    const QString textStyle =
        QStringLiteral("color: #c8ced6; font-weight: normal; font-size: %1px;").arg(px(13));
    m_pText = new QLabel(text, this);
    m_pText->setObjectName("text");
    m_pText->setWordWrap(true);
    m_pText->setStyleSheet(textStyle);
    m_pText2 = new QLabel(text2, this);
    m_pText2->setObjectName("text2");
    m_pText2->setWordWrap(true);
    m_pText2->setStyleSheet(textStyle);
    m_pText2->setVisible(!text2.isEmpty());

    const QSize buttonSize(px(104), px(28));
    const bool bChoice = kind == Choice && answers.size() == 3;
    const auto makeButton = [&](const QString& text, const char* name) {
        auto* b = new KivoPushButton(buttonImages(), text, this, m_dScale);
        b->setObjectName(name);
        b->setFixedSize(buttonSize);
        QFont buttonFont = font();
        buttonFont.setPixelSize(px(13));
        buttonFont.setBold(true);
        b->setFont(buttonFont);
        return b;
    };
    m_pYes = makeButton(bChoice ? answers[0] : kind == Notice ? tr("OK") : tr("Yes"), "yes");
    connect(m_pYes, &QPushButton::clicked, this, &QDialog::accept);
    if (bChoice) {
        m_pOther = makeButton(answers[1], "other");
        connect(m_pOther, &QPushButton::clicked, this, [this] { done(2); });
    }
    if (kind != Notice) {
        m_pNo = makeButton(bChoice ? answers[2] : tr("No"), "no");
        connect(m_pNo, &QPushButton::clicked, this, &QDialog::reject);
    }

    // A stray Enter must not confirm a question nor choose: "No" or cancel is the default.
    KivoPushButton* preferred = m_pNo ? m_pNo : m_pYes;
    m_pYes->setAutoDefault(false);
    preferred->setAutoDefault(true);
    preferred->setDefault(true);
    preferred->setFocus();

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(px(12));
    buttons->addStretch();
    buttons->addWidget(m_pYes);
    if (m_pOther)
        buttons->addWidget(m_pOther);
    if (m_pNo)
        buttons->addWidget(m_pNo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(28), px(20), px(24), px(20));
    layout->setSpacing(px(8));
    layout->addWidget(m_pTitle);
    layout->addSpacing(px(6));
    layout->addWidget(m_pText);
    layout->addWidget(m_pText2);
    layout->addStretch();
    layout->addSpacing(px(10));
    layout->addLayout(buttons);

    setMinimumSize(px(380), px(170));
    setMaximumWidth(px(560));
}

QString KivoMessageBox::title() const
{
    return m_pTitle->text();
}
QString KivoMessageBox::text() const
{
    return m_pText->text();
}
QString KivoMessageBox::text2() const
{
    return m_pText2->text();
}

void KivoMessageBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = m_dScale;
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double cut = 14 * s;

    QPainterPath outline;
    outline.moveTo(r.left() + cut, r.top());
    outline.lineTo(r.right(), r.top());
    outline.lineTo(r.right(), r.bottom() - cut);
    outline.lineTo(r.right() - cut, r.bottom());
    outline.lineTo(r.left(), r.bottom());
    outline.lineTo(r.left(), r.top() + cut);
    outline.closeSubpath();

    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(0x1d, 0x21, 0x26));
    fill.setColorAt(1, QColor(0x13, 0x15, 0x18));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0x3a, 0x40, 0x48), 1));
    painter.drawPath(outline);

    // The accent: the cut corner, and a bar beside the title.
    QPen accent(QColor(255, 0, 0), 2 * s);
    painter.setPen(accent);
    painter.drawLine(QPointF(r.left() + 1, r.top() + cut + 10 * s),
                     QPointF(r.left() + 1, r.top() + cut));
    painter.drawLine(QPointF(r.left() + 1, r.top() + cut), QPointF(r.left() + cut, r.top() + 1));
    painter.drawLine(QPointF(r.left() + cut, r.top() + 1),
                     QPointF(r.left() + cut + 60 * s, r.top() + 1));
    const QRect title = m_pTitle->geometry();
    painter.fillRect(
        QRectF(title.left() - 12 * s, title.top() + 2 * s, 3 * s, title.height() - 4 * s),
        QColor(255, 0, 0));
    painter.setPen(QPen(QColor(0x2a, 0x2f, 0x36), 1));
    painter.drawLine(QPointF(title.left(), title.bottom() + 7 * s),
                     QPointF(r.right() - 24 * s, title.bottom() + 7 * s));
}

void KivoMessageBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_bDragging = true;
        m_DragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void KivoMessageBox::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging)
        move(event->globalPos() - m_DragOffset);
    QDialog::mouseMoveEvent(event);
}

void KivoMessageBox::mouseReleaseEvent(QMouseEvent* event)
{
    m_bDragging = false;
    QDialog::mouseReleaseEvent(event);
}
