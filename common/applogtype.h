#pragma once

#include <QtGlobal>

// Binary contract: see ARCHITECTURE.md, "Logger object layout".
// Type of one log call: a single bit each. The value is also tested against a
// logger's type mask, so combinations and 0xFFFFFFFF are valid values too (they
// have no line prefix and no colour of their own).
enum AppLogType : quint32 {
    AppLogInfo = 1,
    AppLogWarning = 2,
    AppLogError = 4,
    AppLogTest = 8,
    AppLogNetwork = 16,
    AppLogNetworkFail = 32,
    AppLogPerformance = 64,
    AppLogAll = 0xFFFFFFFFu
};
