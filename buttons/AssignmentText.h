#pragma once

#include <QString>

struct ButtonAssignment;

// What a button's label adds to its function's name: the key, the key combination or what a
// fire key fires, so that the button list says which key without opening a window.
class AssignmentText
{
public:
    // Empty for a function that carries nothing to show.
    static QString detail(const ButtonAssignment& button);
    // "label · detail", or the label alone where there is no detail.
    static QString withDetail(const QString& label, const ButtonAssignment& button);
};
