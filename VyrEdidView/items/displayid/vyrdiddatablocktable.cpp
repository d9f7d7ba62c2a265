#include "vyrdiddatablocktable.h"

#include "items/displayid/vyrdidceatimingsblock.h"
#include "items/displayid/vyrdidcolorcharacteristicsblock.h"
#include "items/displayid/vyrdiddisplaydevicedatablock.h"
#include "items/displayid/vyrdiddisplayinterfaceblock.h"
#include "items/displayid/vyrdiddisplayparametersblock.h"
#include "items/displayid/vyrdidgeneralasciistringblock.h"
#include "items/displayid/vyrdidinterfacepowersequencingblock.h"
#include "items/displayid/vyrdidproductidblock.h"
#include "items/displayid/vyrdidproductserialnumberblock.h"
#include "items/displayid/vyrdidstereodisplayinterfaceblock.h"
#include "items/displayid/vyrdidtransfercharacteristicsblock.h"
#include "items/displayid/vyrdidtype1timingblock.h"
#include "items/displayid/vyrdidtype2timingblock.h"
#include "items/displayid/vyrdidtype3timingblock.h"
#include "items/displayid/vyrdidtype4timingblock.h"
#include "items/displayid/vyrdidvesatimingsblock.h"
#include "items/displayid/vyrdidvideotimingrangelimitsblock.h"

#include <QCoreApplication>

namespace {

template <typename Item> VyrDIDItemBase *make(unsigned int index, DisplayIDBlock *model)
{
    return new Item(index, model);
}

} // namespace

#define VYR_DID_TITLE(text) QT_TRANSLATE_NOOP("VyrDIDDataBlocks", text)

namespace VyrDIDDataBlocks {

// clang-format off
const VyrDIDDataBlockKind Table[Count] = {
    {DidTagProductId, VYR_DID_TITLE("Product Identification"), true, make<VyrDIDProductIdBlock>},
    {DidTagDisplayParams, VYR_DID_TITLE("Display Parameters"), true, make<VyrDIDDisplayParametersBlock>},
    {DidTagColorChars, VYR_DID_TITLE("Color Characteristics"), true, make<VyrDIDColorCharacteristicsBlock>},
    {DidTagType1Timing, VYR_DID_TITLE("Type I Timing"), true, make<VyrDIDType1TimingBlock>},
    {DidTagType2Timing, VYR_DID_TITLE("Type II Timing"), true, make<VyrDIDType2TimingBlock>},
    {DidTagType3Timing, VYR_DID_TITLE("Type III Timing"), true, make<VyrDIDType3TimingBlock>},
    {DidTagType4Timing, VYR_DID_TITLE("Type IV Timing-DMT ID Code"), true, make<VyrDIDType4TimingBlock>},
    {DidTagVesaTimings, VYR_DID_TITLE("VESA Timing Standard"), true, make<VyrDIDVesaTimingsBlock>},
    {DidTagCeaTimings, VYR_DID_TITLE("CEA Timing Standard"), true, make<VyrDIDCEATimingsBlock>},
    {DidTagRangeLimits, VYR_DID_TITLE("Video Timing Range Limits"), true, make<VyrDIDVideoTimingRangeLimitsBlock>},
    {DidTagSerialNumber, VYR_DID_TITLE("Product Serial Number"), true, make<VyrDIDProductSerialNumberBlock>},
    {DidTagAsciiString, VYR_DID_TITLE("General Purpose ASCII String"), true, make<VyrDIDGeneralAsciiStringBlock>},
    {DidTagDeviceData, VYR_DID_TITLE("Display Device Data"), true, make<VyrDIDDisplayDeviceDataBlock>},
    {DidTagPowerSequencing, VYR_DID_TITLE("Interface Power Sequencing"), true, make<VyrDIDInterfacePowerSequencingBlock>},
    // The model has no layout for this block and adds none.
    {DidTagTransferChars, VYR_DID_TITLE("Transfer Characteristics"), false, make<VyrDIDTransferCharacteristicsBlock>},
    {DidTagDisplayInterface, VYR_DID_TITLE("Display Interface"), true, make<VyrDIDDisplayInterfaceBlock>},
    {DidTagStereoInterface, VYR_DID_TITLE("Stereo Display Interface"), true, make<VyrDIDStereoDisplayInterfaceBlock>},
};
// clang-format on

const VyrDIDDataBlockKind *find(unsigned int tag)
{
    for (const VyrDIDDataBlockKind &kind : Table) {
        if (kind.tag == tag)
            return &kind;
    }
    return nullptr;
}

QString title(unsigned int tag)
{
    const VyrDIDDataBlockKind *kind = find(tag);
    return kind ? QCoreApplication::translate("VyrDIDDataBlocks", kind->title) : QString();
}

} // namespace VyrDIDDataBlocks
