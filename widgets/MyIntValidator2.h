#pragma once

#include "widgets/MyIntValidator.h"

// The validator of the fire-key window's and macro editor's second kind of edit: the same rules
// as MyIntValidator under the name those windows use.
class MyIntValidator2 : public MyIntValidator
{
    Q_OBJECT
public:
    using MyIntValidator::MyIntValidator;
};
