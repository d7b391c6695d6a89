#include "macro/MacroOptions.h"

#include "widgets/MyIntValidator.h"
#include "widgets/MyIntValidator2.h"
#include "widgets/PageGeometry.h"

#include <QCheckBox>
#include <QLineEdit>

MacroOptions::MacroOptions(QWidget* parent) : QWidget(parent)
{
    for (int i = 0; i < 2; ++i) {
        m_pDelayBoxes[i] = new QCheckBox(this);
        m_pDelayBoxes[i]->setObjectName(QStringLiteral("delayType%1").arg(i + 1));
        connect(m_pDelayBoxes[i], &QCheckBox::clicked, this, [this, i] { onDelayClicked(i); });
    }
    for (int i = 0; i < 3; ++i) {
        m_pLoopBoxes[i] = new QCheckBox(this);
        m_pLoopBoxes[i]->setObjectName(QStringLiteral("loopType%1").arg(i + 1));
        connect(m_pLoopBoxes[i], &QCheckBox::clicked, this, [this, i] { onLoopClicked(i); });
    }
    m_pDefaultDelay = new QLineEdit(QStringLiteral("10"), this);
    m_pDefaultDelay->setObjectName(QStringLiteral("defaultDelay"));
    m_pDefaultDelay->setMaxLength(5);
    m_pDefaultDelay->setValidator(new MyIntValidator(0, 65535, m_pDefaultDelay));
    m_pLoopTime = new QLineEdit(QStringLiteral("1"), this);
    m_pLoopTime->setObjectName(QStringLiteral("loopTime"));
    m_pLoopTime->setMaxLength(3);
    m_pLoopTime->setValidator(new MyIntValidator2(1, 255, m_pLoopTime));
    retranslate();
}

void MacroOptions::retranslate()
{
    m_pDelayBoxes[0]->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    m_pDelayBoxes[1]->setText(tr("INSERT DEFAULT DELAY"));
    m_pLoopBoxes[0]->setText(tr("LOOPS TIME(1-255)"));
    m_pLoopBoxes[1]->setText(tr("REPEAT RUN WHEN KEY DOWN"));
    m_pLoopBoxes[2]->setText(tr("REPEAT RUN UNTIL THE KEY DOWN"));
}

void MacroOptions::layoutControls(double dScale)
{
    m_pDelayBoxes[0]->setGeometry(PageGeometry::rect(0, 0, 258, 22, dScale));
    m_pDelayBoxes[1]->setGeometry(PageGeometry::rect(0, 24, 196, 22, dScale));
    m_pDefaultDelay->setGeometry(PageGeometry::rect(198, 24, 56, 21, dScale));
    m_pLoopBoxes[0]->setGeometry(PageGeometry::rect(0, 56, 196, 22, dScale));
    m_pLoopTime->setGeometry(PageGeometry::rect(198, 56, 56, 21, dScale));
    m_pLoopBoxes[1]->setGeometry(PageGeometry::rect(0, 80, 258, 22, dScale));
    m_pLoopBoxes[2]->setGeometry(PageGeometry::rect(0, 104, 258, 22, dScale));
}

QCheckBox* MacroOptions::delayBox(int iType) const
{
    return (iType >= 1 && iType <= 2) ? m_pDelayBoxes[iType - 1] : nullptr;
}

void MacroOptions::onDelayClicked(int iIndex)
{
    if (m_pDelayBoxes[iIndex]->isChecked())
        m_pDelayBoxes[1 - iIndex]->setChecked(false);
    emit optionClicked();
}

void MacroOptions::onLoopClicked(int iIndex)
{
    if (m_pLoopBoxes[iIndex]->isChecked()) {
        for (int i = 0; i < 3; ++i) {
            if (i != iIndex)
                m_pLoopBoxes[i]->setChecked(false);
        }
    }
    emit optionClicked();
}

int MacroOptions::delayType() const
{
    for (int i = 0; i < 2; ++i) {
        if (m_pDelayBoxes[i]->isChecked())
            return i + 1;
    }
    return 0;
}

int MacroOptions::loopType() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_pLoopBoxes[i]->isChecked())
            return i + 1;
    }
    return 0;
}

int MacroOptions::defaultDelay() const
{
    return m_pDefaultDelay->text().toInt();
}

int MacroOptions::loopTime() const
{
    return m_pLoopTime->text().toInt();
}

void MacroOptions::setOptions(const MacroFileData& data)
{
    for (int i = 0; i < 2; ++i)
        m_pDelayBoxes[i]->setChecked(data.delayType == i + 1);
    for (int i = 0; i < 3; ++i)
        m_pLoopBoxes[i]->setChecked(data.loopType == i + 1);
    m_pDefaultDelay->setText(QString::number(data.defaultDelay));
    m_pLoopTime->setText(QString::number(data.loopTime));
}

void MacroOptions::fillData(MacroFileData& data) const
{
    data.delayType = delayType();
    data.loopType = loopType();
    data.defaultDelay = defaultDelay();
    data.loopTime = loopTime();
}
