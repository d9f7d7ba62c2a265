#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The driver access layer's vocabulary for showing values: the names of the MCCS VCP
// codes, of DisplayPort link rates, voltage swings and pre-emphasis levels, of sink
// signal types and screen orientations, and the tags of debug-log lines. Each table
// is built (and its texts translated) once, on first use, and lives until exit.

// Name of every VCP code (VESA MCCS), indexed by code; empty for codes MCCS leaves
// unassigned, "Manufacturer Specific" for 0xE0-0xFF.
const std::array<QString, 256> &VcpCodeDiscription();
// DisplayPort link rates: "RBR", "HBR", "HBR2", "RBR2".
const QStringList &LinkRateToStringTable();
// DisplayPort voltage swing levels 0-3.
const QStringList &VoltageSwingToStringTable();
// DisplayPort pre-emphasis levels 0-4.
const QStringList &PreEmphasisToStringTable();
// Sink signal types (not translated).
const QStringList &SinkSignalString();
// Screen orientations in degrees (not translated).
const QStringList &ScreenOrientationString();

// Tags of debug-log lines.
inline const QString DbgLogTag = QStringLiteral("DBGLOG");
inline const QString DbgLogErrorAttribute = QStringLiteral("DBGLOG_ERROR");
inline const QString DbgLogResultAttribute = QStringLiteral("DBGLOG_RESULT");
