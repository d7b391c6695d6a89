#include "widgets/MyIntValidator.h"

MyIntValidator::MyIntValidator(int bottom, int top, QObject* parent)
    : QIntValidator(bottom, top, parent)
{
}

QValidator::State MyIntValidator::validate(QString& input, int& pos) const
{
    if (input.isEmpty())
        return Intermediate;
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    if (!ok)
        return Invalid;
    if (value < bottom())
        return Intermediate;
    if (value > top()) {
        input = QString::number(top());
        pos = qMin(pos, input.size());
    }
    return Acceptable;
}
