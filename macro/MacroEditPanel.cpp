#include "macro/MacroEditPanel.h"

#include "macro/MacroRowText.h"
#include "macro/MacroRows.h"
#include "model/KeyTable.h"
#include "widgets/MyIntValidator.h"
#include "widgets/PageGeometry.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const quint8 kMasks[] = {MacroRows::kLeft, MacroRows::kMiddle, MacroRows::kRight,
                         MacroRows::kForward, MacroRows::kBackward};
constexpr int kMinDelayMs = 10;
} // namespace

MacroEditPanel::MacroEditPanel(QWidget* parent) : QStackedWidget(parent)
{
    for (int i = 0; i <= DelayPage; ++i)
        addWidget(new QWidget(this));

    m_pKeyName = new QLabel(page(KeyPage));
    m_pKeyName->setObjectName(QStringLiteral("keyName"));
    m_pKeyHint = new QLabel(page(KeyPage));
    m_pKeyHint->setObjectName(QStringLiteral("hint"));

    m_pButtons = new QButtonGroup(this);
    for (quint8 mask : kMasks)
        m_pButtons->addButton(new QRadioButton(page(ButtonPage)), mask);
    connect(m_pButtons, &QButtonGroup::idClicked, this,
            [this](int id) { emit buttonChosen(quint8(id)); });

    m_pDirection = new QLabel(page(MovePage));
    m_pMoveCaption = new QLabel(page(MovePage));
    m_pMoveCaption->setObjectName(QStringLiteral("caption"));
    m_pMove = new QLineEdit(page(MovePage));
    m_pMove->setObjectName(QStringLiteral("rowMove"));
    m_pMove->setMaxLength(3);
    m_pMove->setValidator(new MyIntValidator(1, MacroRows::kMaxMoveDistance, m_pMove));
    connect(m_pMove, &QLineEdit::textEdited, this, &MacroEditPanel::moveTextChanged);

    m_pDelayCaption = new QLabel(page(DelayPage));
    m_pDelayCaption->setObjectName(QStringLiteral("caption"));
    m_pDelay = new QLineEdit(page(DelayPage));
    m_pDelay->setObjectName(QStringLiteral("rowDelay"));
    m_pDelay->setMaxLength(5);
    m_pDelay->setValidator(new MyIntValidator(kMinDelayMs, MacroRows::kMaxDelayCount, m_pDelay));
    connect(m_pDelay, &QLineEdit::textEdited, this, &MacroEditPanel::delayTextChanged);
    retranslate();
}

void MacroEditPanel::retranslate()
{
    for (QAbstractButton* button : m_pButtons->buttons())
        button->setText(MacroRowText::buttonName(quint8(m_pButtons->id(button))));
    m_pDirection->setText(MacroRowText::directionName(m_iDirection));
    m_pMoveCaption->setText(tr("DISTANCE(1-120)"));
    m_pDelayCaption->setText(tr("DELAY(ms)"));
    m_pKeyHint->setText(m_bKeyEdit ? tr("Press the new key.") : QString());
}

void MacroEditPanel::setKeyEditMode(bool bOn)
{
    m_bKeyEdit = bOn;
    retranslate();
}

void MacroEditPanel::showRow(const MacroEvent* row, int unit)
{
    const QSignalBlocker blocker(this);
    const MacroRows::Kind kind = row ? MacroRows::kind(*row) : MacroRows::OtherKind;
    switch (kind) {
    case MacroRows::KeyKind: {
        quint8 code = 0;
        const bool known = KeyTable::usageToKeyCode(row->DataL, code);
        m_pKeyName->setText(known ? KeyTable::keyName(code) : QString());
        setCurrentIndex(KeyPage);
        break;
    }
    case MacroRows::ButtonKind:
        if (QAbstractButton* button = m_pButtons->button(row->DataL))
            button->setChecked(true);
        setCurrentIndex(ButtonPage);
        break;
    case MacroRows::MoveKind:
        m_iDirection = MacroRows::direction(*row);
        m_pDirection->setText(MacroRowText::directionName(m_iDirection));
        m_pMove->setText(QString::number(MacroRows::distance(*row)));
        setCurrentIndex(MovePage);
        break;
    case MacroRows::DelayKind:
        m_pDelay->setText(QString::number(MacroRows::delayCountOf(*row) * qMax(1, unit)));
        setCurrentIndex(DelayPage);
        break;
    default:
        setCurrentIndex(EmptyPage);
        break;
    }
}

void MacroEditPanel::layoutControls(double dScale)
{
    m_pKeyName->setGeometry(PageGeometry::rect(8, 6, 200, 24, dScale));
    m_pKeyHint->setGeometry(PageGeometry::rect(8, 34, 210, 20, dScale));
    const QList<QAbstractButton*> buttons = m_pButtons->buttons();
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setGeometry(
            PageGeometry::rect(8 + (i % 2) * 110, 4 + (i / 2) * 22, 108, 20, dScale));
    m_pDirection->setGeometry(PageGeometry::rect(8, 6, 200, 20, dScale));
    m_pMoveCaption->setGeometry(PageGeometry::rect(8, 32, 120, 20, dScale));
    m_pMove->setGeometry(PageGeometry::rect(130, 32, 60, 22, dScale));
    m_pDelayCaption->setGeometry(PageGeometry::rect(8, 6, 120, 20, dScale));
    m_pDelay->setGeometry(PageGeometry::rect(130, 6, 70, 22, dScale));
}
