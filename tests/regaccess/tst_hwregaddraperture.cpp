// Register apertures: an indirect aperture owns a copy of its description through
// construction, copy and assignment (AddressSanitizer checks that each copy is freed
// once).

#include "hwregaddraperture.h"
#include "regaccesstestsupport.h"

using namespace DeviceHelpers;
using namespace RegAccessTest;

namespace {

HwRegIndirectDescription description(quint32 indexValue)
{
    HwRegIndirectDescription d =
        indirectDescription(HwRegAddrAperture(HwRegSpaceIo, apertureWord(0xE000)), indexValue,
                            HwRegAddrAperture(HwRegSpaceIo, apertureWord(0xE004)));
    d.index.extra = 7;
    return d;
}

} // namespace

class tst_HwRegAddrAperture : public QObject
{
    Q_OBJECT

private slots:
    void plainAddress();
    void indirectIsCopied();
    void copyAndAssignment();
    void nestedIndirect();
};

void tst_HwRegAddrAperture::plainAddress()
{
    const HwRegAddrAperture memory(HwRegSpaceMemory, apertureWord(-16));
    QCOMPARE(memory.GetType(), HwRegSpaceMemory);
    QCOMPARE(memory.GetAddress(), qintptr(-16));
    QCOMPARE(memory.GetWideAddress(), Q_UINT64_C(0xFFFFFFFFFFFFFFF0));
    QCOMPARE(memory.GetIndirect(), nullptr);

    const HwRegAddrAperture none;
    QCOMPARE(int(none.GetType()), 0);
    QCOMPARE(none.GetIndirect(), nullptr);
}

void tst_HwRegAddrAperture::indirectIsCopied()
{
    HwRegIndirectDescription source = description(0x42);
    const HwRegAddrAperture aperture(HwRegSpaceIndirect, &source);
    source.index.value = 0x99; // the aperture keeps its own copy

    const HwRegIndirectDescription *copy = aperture.GetIndirect();
    QVERIFY(copy && copy != &source);
    QCOMPARE(copy->index.value, 0x42u);
    QCOMPARE(copy->index.extra, 7u);
    QCOMPARE(copy->index.aperture.GetAddress(), qintptr(0xE000));
    QCOMPARE(copy->data.aperture.GetAddress(), qintptr(0xE004));
    QCOMPARE(copy->data.signature, HwRegIndirectSignature);

    const HwRegAddrAperture empty(HwRegSpaceIndirect, nullptr);
    QCOMPARE(empty.GetIndirect(), nullptr);
}

void tst_HwRegAddrAperture::copyAndAssignment()
{
    const HwRegIndirectDescription source = description(0x42);
    const HwRegAddrAperture original(HwRegSpaceIndirect, &source);

    const HwRegAddrAperture copied(original);
    QVERIFY(copied.GetIndirect() != original.GetIndirect());
    QCOMPARE(copied.GetIndirect()->index.value, 0x42u);

    HwRegAddrAperture assigned(HwRegSpaceIo, apertureWord(0x10));
    assigned = original;
    QCOMPARE(assigned.GetType(), HwRegSpaceIndirect);
    QVERIFY(assigned.GetIndirect() != original.GetIndirect());
    QCOMPARE(assigned.GetIndirect()->index.value, 0x42u);

    const HwRegAddrAperture &same = assigned;
    assigned = same; // self-assignment keeps the description
    QCOMPARE(assigned.GetIndirect()->index.value, 0x42u);

    // An indirect aperture overwritten by a plain one frees its description.
    assigned = HwRegAddrAperture(HwRegSpaceConfig, apertureWord(0x40));
    QCOMPARE(assigned.GetType(), HwRegSpaceConfig);
    QCOMPARE(assigned.GetAddress(), qintptr(0x40));
    QCOMPARE(assigned.GetIndirect(), nullptr);
}

void tst_HwRegAddrAperture::nestedIndirect()
{
    // The index register of a description may itself be indirect; copies go all the way
    // down, and assigning a part of the own description is safe.
    const HwRegIndirectDescription inner = description(1);
    HwRegIndirectDescription outer = description(2);
    outer.index.aperture = HwRegAddrAperture(HwRegSpaceIndirect, &inner);
    HwRegAddrAperture aperture(HwRegSpaceIndirect, &outer);

    const HwRegAddrAperture copy(aperture);
    const HwRegIndirectDescription *nested = copy.GetIndirect()->index.aperture.GetIndirect();
    QVERIFY(nested && nested != aperture.GetIndirect()->index.aperture.GetIndirect());
    QCOMPARE(nested->index.value, 1u);

    aperture = aperture.GetIndirect()->index.aperture;
    QCOMPARE(aperture.GetIndirect()->index.value, 1u);
}

QTEST_GUILESS_MAIN(tst_HwRegAddrAperture)
#include "tst_hwregaddraperture.moc"
