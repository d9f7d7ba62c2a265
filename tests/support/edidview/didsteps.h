#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace VyrTest {

class TreeHarness;

// A row path written as text: "/" separates titles and "#" stands for a "/" within a title
// ("Base Block/Descriptors/Pixel Pitch H#V").
QStringList rowPath(const QString &text);

// Sets the left or right box of a two-value DisplayID cell (whole or real numbers) to value, as
// a user's entry; false when cell is no such cell.
bool setDualValue(QWidget *cell, bool left, double value);

// Performs one user step on a row below parent and settles the tree. step is
// "action|row|argument": "choose|Interface Type|LVDS" (drop-down entry), "tick|Flags/[2]|1"
// (check box on, 0 off), "type|Response Time|12" (text confirmed with Return), "left|Pixel
// Pitch H#V|0.25" or "right|..." (a box of a two-value cell). In row, "/" separates titles and
// "#" stands for a "/" within a title. False (with a warning) when the step failed.
bool didStep(TreeHarness &h, const QStringList &parent, const QString &step);

} // namespace VyrTest
