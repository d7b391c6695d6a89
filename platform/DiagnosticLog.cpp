#include "platform/DiagnosticLog.h"

#include <QLoggingCategory>

void DiagnosticLog::setUp(bool bVerbose)
{
    QLoggingCategory::setFilterRules(bVerbose ? QStringLiteral("default.debug=true")
                                              : QStringLiteral("default.debug=false"));
}
