#pragma once

// Reading the report of the reference decoder edid-decode: the part of one block, its lines,
// and the porch lines printed under a timing.

#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace VyrTest {

// The report from the line heading (e.g. "Block 1, DisplayID Extension Block:") to the next
// block's heading; empty when the heading is not in the report.
QString reportPart(const QString &report, const QString &heading);

// The lines of block n (between its "Block n, ..." heading and its "Checksum" line), trimmed.
QStringList reportBlockLines(const QString &report, int n);

} // namespace VyrTest

enum class PorchLine { None, Horizontal, Vertical };

// Reads a line "Hfront N Hsync N Hback N ..." (or the same with V) into the hFront, hSync,
// hBack (vFront, vSync, vBack) fields of timing. None, with nothing read, for another line or a
// null timing.
template <typename Timing> PorchLine readPorchLine(const QString &line, Timing *timing)
{
    static const QRegularExpression porch(
        QStringLiteral("^\\s+([HV])front\\s+(\\d+) [HV]sync\\s+(\\d+) [HV]back\\s+(\\d+)"));
    const auto p = porch.match(line);
    if (!p.hasMatch() || timing == nullptr)
        return PorchLine::None;
    const bool h = p.captured(1) == QLatin1String("H");
    (h ? timing->hFront : timing->vFront) = p.captured(2).toUInt();
    (h ? timing->hSync : timing->vSync) = p.captured(3).toUInt();
    (h ? timing->hBack : timing->vBack) = p.captured(4).toUInt();
    return h ? PorchLine::Horizontal : PorchLine::Vertical;
}
