#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>

// A message handler for the benchmarks: the transport traces every report, and printing it would
// measure the terminal. Warnings and worse still go to standard error.
inline void quietDebug(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
