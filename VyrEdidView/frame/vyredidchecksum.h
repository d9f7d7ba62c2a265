#pragma once

#include <QString>

#include <functional>

class QLabel;
class QTreeWidgetItem;

// How the tree shows a block's stored checksum: in the row's own hexadecimal form, marked when
// it does not match the block's bytes ("A3 (should be AD)"), which an edit of the block then
// rewrites. Every checksum row of every block family shows its value through here.
namespace VyrEdidChecksum {

// Writes a checksum byte as its row does ("%02X", "%x", ...).
using Hex = std::function<QString(unsigned)>;

// Two upper-case digits ("0A"), the base block's form.
QString twoDigits(unsigned value);

// The stored checksum as hex writes it, followed by " (should be computed)" when they differ.
QString text(unsigned stored, unsigned computed, const Hex &hex);

// Shows text() on label; a marked label is as wide as its text and says why in its tooltip.
void show(QLabel *label, unsigned stored, unsigned computed, const Hex &hex);

// Shows text() in column of row; a marked row says why in its tooltip.
void show(QTreeWidgetItem *row, int column, unsigned stored, unsigned computed, const Hex &hex);

} // namespace VyrEdidChecksum
