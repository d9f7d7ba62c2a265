#include "fuzzsupport.h"
#include "model/vtb/edidextvtb.h"

#include <string>
#include <vector>

using namespace VyrFuzz;

namespace {

// The three lists as byte strings, entry by entry.
using Lists = std::vector<std::string>[3];

void readLists(const EdidExtVtb &block, Lists &lists)
{
    const unsigned sizes[3] = {18, 3, 2};
    const unsigned counts[3] = {block.DTBCount(), block.CVTCount(), block.STCount()};
    const unsigned char *starts[3] = {block.getVtbBlockData(VtbDetailedTimings),
                                      block.getVtbBlockData(VtbCvtCodes),
                                      block.getVtbBlockData(VtbStandardTimings)};
    for (unsigned l = 0; l < 3; ++l) {
        lists[l].clear();
        for (unsigned i = 0; i < counts[l]; ++i)
            lists[l].emplace_back(reinterpret_cast<const char *>(starts[l] + sizes[l] * i),
                                  sizes[l]);
    }
}

bool sameLists(const Lists &a, const Lists &b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

} // namespace

void fuzzEdidExtVtb(unsigned char *image, unsigned offset, Ops &ops)
{
    EdidExtVtb block(image + offset, ImageSize - offset, offset, nullptr);
    if (block.GetBlockSize() == 0)
        fail("EdidExtVtb", "a recognised block holds no data");
    const unsigned char *raw = block.GetRawData();
    // Counts that do not fit the entry area make the block read-only.
    const bool fits = 18u * raw[2] + 3u * raw[3] + 2u * raw[4] <= 122u;
    Guard guard(image, offset, 128, Checksum::Edid, !fits);
    Sink sink;
    exerciseDataBlock("EdidExtVtb", block, guard, sink, offset);

    auto checkShape = [&](const char *what) {
        const unsigned used = 18 * block.DTBCount() + 3 * block.CVTCount() + 2 * block.STCount();
        if (used > 122)
            fail(what, "lists past byte 126");
        if (fits && block.GetFreeBytesNumber() != 122 - used)
            fail(what, "free bytes do not match the counts");
        if (!fits && (block.GetFreeBytesNumber() != 0 || block.AllowNewST()))
            fail(what, "a block with counts that do not fit offers room");
        for (unsigned list = 0; list < 3; ++list) {
            const unsigned char *first = block.getVtbBlockData(static_cast<VtbByteOffset>(list));
            if (first < raw + 5 || first > raw + 127)
                fail(what, "list start outside the entry area");
        }
    };
    checkShape("load");
    for (unsigned index : {0u, 1u, 5u, 6u, 39u, 40u, 60u, 61u, 62u, AllIndexes}) {
        for (unsigned code = 0; code < 20; ++code)
            Guard::checkLocations("VTB DTB location", block.GetDetailedTimingLocation(code, index));
        Guard::checkLocations("VTB CVT location", block.GetCvt3ByteTimingLocation(index, 0));
        Guard::checkLocations("VTB ST location", block.GetStandardTimingLocation(index, 0));
    }
    for (unsigned i = 0; i < 64; ++i) {
        if ((block.GetDTB(i) != nullptr) != (i < block.DTBCount())
            || (block.GetCVT(i) != nullptr) != (i < block.CVTCount())
            || (block.GetST(i) != nullptr) != (i < block.STCount()))
            fail("GetDTB/GetCVT/GetST", "entry pointer does not follow the count");
        sink.seen +=
            block.GetByteIndexOfDTB(i) + block.GetByteIndexOfCVT(i) + block.GetByteIndexOfST(i);
    }

    Lists before, after;
    int steps = 0;
    while (ops.more() && steps++ < 48) {
        const unsigned op = ops.below(8);
        const unsigned index = ops.below(70);
        bool added = false;
        bool removed = false;
        readLists(block, before);
        switch (op) {
        case 0:
            guard.run("AddDTB", [&] { added = block.AddDTB(); });
            break;
        case 1:
            guard.run("AddCVT", [&] { added = block.AddCVT(); });
            break;
        case 2:
            guard.run("AddST", [&] { added = block.AddST(); });
            break;
        case 3:
            guard.run("RemoveDTB", [&] { removed = block.RemoveDTB(index); });
            break;
        case 4:
            guard.run("RemoveCVT", [&] { removed = block.RemoveCVT(index); });
            break;
        case 5:
            guard.run("RemoveST", [&] { removed = block.RemoveST(index); });
            break;
        case 6: {
            // Copy one entry of a list over another.
            DetailedTiming dt;
            if (block.GetDetailedTiming(ops.below(8), &dt))
                guard.run("SetDetailedTiming", [&] { block.SetDetailedTiming(index % 8, &dt); });
            Cvt3ByteTiming cvt;
            if (block.GetCvt3ByteTiming(ops.below(48), &cvt))
                guard.run("SetCvt3ByteTiming", [&] { block.SetCvt3ByteTiming(index, &cvt); });
            StandardTiming st;
            if (block.GetStandardTiming(0, ops.below(64), &st))
                guard.run("SetStandardTiming", [&] { block.SetStandardTiming(index, 0, &st); });
            break;
        }
        default:
            guard.run("ClearTail", [&] { block.ClearTail(); });
            break;
        }
        checkShape("edit");
        // An add appends one zero entry to its list, a remove takes out exactly one entry;
        // every other entry keeps its bytes.
        readLists(block, after);
        const unsigned list = op % 3;
        const unsigned entrySize = list == 0 ? 18 : list == 1 ? 3 : 2;
        if (added)
            before[list].emplace_back(entrySize, '\0');
        if (removed)
            before[list].erase(before[list].begin() + index);
        if ((added || removed || op == 7) && !sameLists(before, after))
            fail(op < 3    ? "Add"
                 : op == 7 ? "ClearTail"
                           : "Remove",
                 "entries changed besides the one added or removed");
        if (op < 6 && !added && !removed && !sameLists(before, after))
            fail("Add/Remove", "a refused edit changed the lists");
        if (removed) {
            // A remove leaves every free byte zero.
            for (unsigned b = 127 - block.GetFreeBytesNumber(); b < 127; ++b)
                if (raw[b] != 0)
                    fail("Remove", "free bytes left non-zero");
        }
    }
    if (fits)
        guard.run("RecalcCheckSum", [&] { block.RecalcCheckSum(); });
}
