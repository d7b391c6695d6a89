#pragma once

// Where the diagnostic lines (HID traces, state changes) go. They are written at debug level in
// the "default" category, which stays off unless asked for: a desktop program does not fill
// the journal, yet the same lines are one switch away. QT_LOGGING_RULES (for example
// "default.debug=true") still decides over this, as Qt reads it after our rules.
class DiagnosticLog
{
public:
    // Call before anything logs; `bVerbose` turns the debug lines on.
    static void setUp(bool bVerbose);
};
