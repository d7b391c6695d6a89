#pragma once

#include <QStringList>

// The 11099 keys of one profile record as the file format names them (without a group),
// formed independently of the code under test, in an unspecified order.
QStringList profileRecordKeys();
