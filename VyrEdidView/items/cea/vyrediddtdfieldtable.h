#pragma once

#include "model/edidtypes.h"

#include <QtGlobal>

// The tables of the detailed timing field rows (VyrEdidDtdFieldsItem): titles, numeric ranges,
// drop-down entries and flag titles. Texts are translated in the context "VyrEdidDtdFieldsItem".
namespace VyrEdidDtdFieldTable {

struct NumberRow
{
    unsigned int field;
    int minimum;
    int maximum;
    quint32 DetailedTiming::*member;
};

struct FlagLabels
{
    const char *flag1; // byte 17 bit 1
    const char *flag2; // byte 17 bit 2
};

constexpr int NumberRowCount = 13;

extern const char *const Labels[18];
extern const NumberRow NumberRows[NumberRowCount];
extern const char *const SyncSignalNames[4];
extern const char *const StereoFormatNames[7];
extern const FlagLabels FlagLabelsBySync[4];

} // namespace VyrEdidDtdFieldTable
