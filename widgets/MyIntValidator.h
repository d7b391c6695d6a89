#pragma once

#include <QIntValidator>

// Integer validator for the numeric edits of the colour picker, the fire-key window and the
// macro editor: empty or below the bottom is Intermediate (the user is still typing), text that
// is not an integer is Invalid, and a number above the top is replaced by the top and accepted.
class MyIntValidator : public QIntValidator
{
    Q_OBJECT
public:
    MyIntValidator(int bottom, int top, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};
