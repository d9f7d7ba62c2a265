#pragma once

// The cases that tst_edid13block and tst_edid14block both run: each case is written once, with
// what each version expects of it. A test class fills its _data() with its version's rows
// (addXxxRows) and its test function runs the shared check (checkXxx) on them.

#include "model/base/edid13block.h"

#include <QByteArray>

#include <memory>

namespace EdidBaseCases {

enum class BaseVersion { Edid13, Edid14 };

// A 128-byte block as the version's InitBuffer makes it.
QByteArray emptyBlock(BaseVersion version);

// An object of the version's class over block (an Edid14Block is an Edid13Block).
std::unique_ptr<Edid13Block> makeBlock(BaseVersion version, QByteArray &block, unsigned size = 128);

// InitBuffer: header, version, empty standard timings, placeholder descriptors, checksum, and
// the version's "borders are addressable" for a new detailed timing.
void checkInitBuffer(BaseVersion version);

// The version's empty block with one change, or cut short. Columns: block, size, edid13,
// edid14 (what IsEdid13 and IsEdid14 answer), message (the version's static check).
void addRecognitionRows(BaseVersion version);
// Both recognisers and both objects answer as expected, the static check writes its line, and
// an object over a refused buffer never writes.
void checkRecognition(BaseVersion version);

// Every sample whose block 0 the version reads. Column: image (the whole sample).
void addSampleRows(BaseVersion version);
// Writing back every record the block reads leaves block 0 as it was.
void checkWriteBack(BaseVersion version);
// What the block decodes agrees with edid-decode (skipped without it).
void checkAgainstEdidDecode(BaseVersion version);

// Every descriptor kind added to the version's empty block, in slots 1 and 2. Columns: kind,
// slot, expected (the 18 bytes), supported (offered before), repeatable (offered again after).
void addDescriptorRows(BaseVersion version);
// The kind's bytes in its slot and nothing else but the checksum; the offer before, after and
// once removed; a slot above 3 is ignored.
void checkAddDescriptor(BaseVersion version);

} // namespace EdidBaseCases
