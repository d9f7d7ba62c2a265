// Text report, byte descriptions and mode list of the CEA-861 extension block.
#include "ceaextblock.h"
#include "cealayout.h"
#include "model/bits.h"
#include "model/callbackfillcontenttgt.h"
#include "model/reporttext.h"

#include <cstring>

using namespace CeaLayout;

bool CeaExtBlock::ValidateCeaExt(CallbackFillContentTgt *target, const unsigned char *buffer,
                                 unsigned int offset, unsigned int size)
{
    if (size < BlockSize) {
        ReportText::append(target,
                           tr("  CEA Ext Block...: %1 - unsufficient size. Required %2 bytes\r\n")
                               .arg(size)
                               .arg(BlockSize));
        return false;
    }
    if (buffer == nullptr)
        return false;
    const unsigned tag = buffer[offset + TagByte];
    if (tag != Tag) {
        ReportText::append(target, tr("  CEA Ext Block...: Byte[%1] = 0x%2 does not match CEA "
                                      "extension tag (0x%3)\r\n")
                                       .arg(offset + TagByte)
                                       .arg(ReportText::hex(tag, 2))
                                       .arg(ReportText::hex(Tag, 2)));
        return false;
    }
    return true;
}

int CeaExtBlock::Validate(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return 0;
    target->AppendText(
        tr("\r\nValidating CEA%1 Extension Block. Data Range: Byte[%2] --> Byte[%3]\r\n")
            .arg(GetVersion())
            .arg(startOffset)
            .arg(startOffset + GetBlockSize() - 1));
    int errors = ReportText::checkChecksum(target, rawData, BlockSize);
    errors += validateGeneralInfo(target);
    for (unsigned i = 0; i < m_dtdCount; ++i)
        errors += validateDTD(target, i);
    for (unsigned i = 0; i < dataBlockCount(); ++i)
        errors += validateDataBlock(target, i);
    ReportText::appendValid(target, errors);
    return errors;
}

int CeaExtBlock::validateGeneralInfo(CallbackFillContentTgt *)
{
    return 0;
}

int CeaExtBlock::validateDTD(CallbackFillContentTgt *, unsigned int)
{
    return 0;
}

int CeaExtBlock::validateDataBlock(CallbackFillContentTgt *, unsigned int)
{
    return 0;
}

void CeaExtBlock::FillCellInfo(unsigned byteIndex, QString *name, QString *description,
                               QString *blockTitle)
{
    if (!rawData || !name || !description || byteIndex < startOffset
        || byteIndex >= startOffset + BlockSize)
        return;
    if (blockTitle)
        *blockTitle = tr("CEA-v%1").arg(GetVersion());
    const unsigned r = byteIndex - startOffset;
    const QString byteText = tr("Byte[%1] of Extension Block").arg(r);
    static const char *const headerNames[4] = {
        QT_TRANSLATE_NOOP("CeaExtBlock", "Extension Tag"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Revision Number"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "DTD Offset inside Extension Block"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Number of DTDs/Basic Features")};
    if (r < CollectionStart) {
        *name = tr(headerNames[r]);
        *description = byteText;
        return;
    }
    if (r == ChecksumByte) {
        *name = tr("Checksum");
        return;
    }
    for (unsigned k = 0; k < m_dtdCount; ++k) {
        const unsigned start = timingStart(k);
        if (r >= start && r < start + DtdSize) {
            fillCellDetailedT(r - start, k, name, description);
            return;
        }
    }
    for (unsigned i = 0; i < dataBlockCount(); ++i) {
        const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(i)];
        const unsigned start = blockStart(entry);
        if (r >= start && r < start + entry.size) {
            fillCellDataBlock(r - start, i, name, description);
            return;
        }
    }
    *name = tr("Padding (Unused)");
    *description = byteText;
}

void CeaExtBlock::fillCellDataBlock(unsigned int byte, unsigned int index, QString *name,
                                    QString *description)
{
    if (!validIndex(index) || !name || !description)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    if (byte == 0)
        *name = tr("Data Block Tag/Data Block Length");
    else if (entry.tag.tagCode == ExtendedTagCode && byte == 1)
        *name = tr("Data Block Extended Tag");
    else if (entry.tag.tagCode == VendorTagCode && entry.headerLength == 1 + OuiLength
             && byte <= OuiLength)
        *name = tr("Byte[%1] of IEEE Registration Identifier").arg(byte - 1);
    else if (entry.tag.tagCode == ExtendedTagCode && entry.headerLength == 2 + OuiLength
             && byte >= 2 && byte < 2 + OuiLength)
        *name = tr("Byte[%1] of IEEE Registration Identifier").arg(byte - 2);

    const BlockKind &kind = blockKind(dataBlockTagToID(entry.tag));
    if (kind.fillCell) {
        (this->*kind.fillCell)(byte, index, name, description);
        return;
    }
    if (byte >= entry.headerLength)
        *name = tr("Data Byte[%1]").arg(byte - entry.headerLength);
    if (*kind.description != '\0')
        *description = tr(kind.description);
}

void CeaExtBlock::fillCellSAD(unsigned int byte, unsigned int index, QString *name,
                              QString *description)
{
    if (!validIndex(index) || !name || !description)
        return;
    const unsigned h = m_dataBlocks[static_cast<int>(index)].headerLength;
    if (byte < h) {
        *description = tr("(Audio Data Block)");
        return;
    }
    const unsigned j = byte - h;
    static const char *const names[3] = {
        QT_TRANSLATE_NOOP("CeaExtBlock", "Audio Format Code/Max Number of Channels"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Supported Audio Rates"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Audio Format Specific Value")};
    *name = tr(names[j % 3]);
    *description = tr("(Audio Data Block). Short Audio Descriptor[%1]").arg(j / 3);
}

void CeaExtBlock::fillCellSVD(unsigned int byte, unsigned int index, QString *name,
                              QString *description)
{
    if (!validIndex(index) || !name || !description)
        return;
    const unsigned h = m_dataBlocks[static_cast<int>(index)].headerLength;
    if (byte < h) {
        *description = tr("(Video Data Block)");
        return;
    }
    *name = tr("Video Format Code/Native Flag");
    *description = tr("(Video Data Block). Short Video Descriptor[%1]").arg(byte - h);
}

void CeaExtBlock::fillCellSpeakers(unsigned int byte, unsigned int index, QString *name,
                                   QString *description)
{
    if (!validIndex(index) || !name || !description)
        return;
    const unsigned h = m_dataBlocks[static_cast<int>(index)].headerLength;
    static const char *const names[3] = {
        QT_TRANSLATE_NOOP("CeaExtBlock",
                          "Front/Front-Center/Front-Wide/Rear/Rear-Center/Low Frequency"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Top-Center/Front-High/Front-Center-High"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Reserved")};
    if (byte >= h && byte - h < 3)
        *name = tr(names[byte - h]);
    *description = tr("(Speaker Allocation Data Block)");
}

void CeaExtBlock::fillCellVideoCaps(unsigned int byte, unsigned int index, QString *name,
                                    QString *description)
{
    if (!validIndex(index) || !name || !description)
        return;
    if (byte >= m_dataBlocks[static_cast<int>(index)].headerLength)
        *name = tr("OverScan Behavior/Quantization Range");
    *description = tr("(Video Capability Data Block)");
}

void CeaExtBlock::fillCellColorimetry(unsigned int byte, unsigned int index, QString *name,
                                      QString *description)
{
    if (!validIndex(index) || !name || !description)
        return;
    const unsigned h = m_dataBlocks[static_cast<int>(index)].headerLength;
    if (byte == h)
        *name = tr("ColorSpace Flags");
    else if (byte == h + 1)
        *name = tr("MetaData Profiles");
    *description = tr("(Colorimetry Data Block)");
}

void CeaExtBlock::FillModeInfo(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    fillDetailedTimings(target);
    fillSVDTimings(target);
    fillHdmiVicTimings(target);
}

void CeaExtBlock::fillDetailedTimings(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    for (unsigned i = 0; i < m_dtdCount; ++i) {
        ModeInfo mode;
        std::memset(&mode, 0, sizeof(mode));
        edidToModeInfo(reinterpret_cast<const EdidDetailedTiming *>(rawData + timingStart(i)),
                       &mode, CeaTimingSection);
        mode.sourceKind = ModeSourceDetailedTiming;
        target->AppendMode(&mode);
    }
}

void CeaExtBlock::fillSVDTimings(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    for (const CeaDataBlockEntry &entry : m_dataBlocks) {
        if (entry.tag.tagCode != 2)
            continue;
        for (unsigned k = 0; k < payloadLength(entry); ++k)
            fillSVDTiming(target, CeaVideoCodeByte{payloadByte(entry, k)});
    }
}

void CeaExtBlock::fillSVDTiming(CallbackFillContentTgt *target, CeaVideoCodeByte svd)
{
    const unsigned vic = svd.vic();
    const CeaVideoMode *row = vic > 0 ? GetCeaVideoMode(vic - 1u) : nullptr;
    if (!target || !row)
        return;
    ModeInfo mode;
    std::memset(&mode, 0, sizeof(mode));
    mode.hActive = row->pixelRepetition > 0 ? row->width / row->pixelRepetition : row->width;
    mode.vActive = row->height;
    mode.refreshRate = row->refreshRate;
    mode.interlaced = row->progressive ? 0 : 1;
    mode.vic = vic;
    mode.section = CeaTimingSection;
    mode.sourceKind = ModeSourceCeaSvd;
    mode.ceaFlags = static_cast<quint8>(0x01u | (svd.native() ? 0x02u : 0u));
    mode.pixelClock = row->pixelClock;
    mode.ceaPixelClock = row->pixelClock;
    const unsigned support = Get3DSupport(vic);

    auto sendWith3D = [&](ModeInfo base) {
        target->AppendMode(&base);
        for (unsigned b = 0; b < 3; ++b) {
            if (!bit(support, b))
                continue;
            ModeInfo stereo = base;
            stereo.stereo = static_cast<quint8>(3u + b);
            target->AppendMode(&stereo);
        }
    };
    sendWith3D(mode);
    if (row->pixelClock1001 != row->pixelClock) {
        mode.pixelClock = row->pixelClock1001;
        mode.rateVariant = 1;
        sendWith3D(mode);
    }
}

void CeaExtBlock::fillHdmiVicTimings(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    for (unsigned i = 0; i < dataBlockCount(); ++i) {
        if (GetDataBlockID(i) != CeaBlockHdmiVsdb)
            continue;
        CeaHdmiVSDB vsdb;
        GetHdmiVSDB(i, &vsdb);
        for (unsigned k = 0; k < vsdb.hdmiVicCount && k < CeaMaxHdmiVics; ++k)
            fillHdmiVicTiming(target, vsdb.hdmiVics[k].hdmiVic);
    }
}

void CeaExtBlock::fillHdmiVicTiming(CallbackFillContentTgt *target, unsigned int hdmiVic)
{
    const CeaHdmiVideoMode *row = hdmiVic > 0 ? GetCeaHDMIVideoMode(hdmiVic - 1u) : nullptr;
    if (!target || !row)
        return;
    ModeInfo mode;
    std::memset(&mode, 0, sizeof(mode));
    mode.hActive = row->width;
    mode.vActive = row->height;
    mode.hTotal = row->width + row->hBlanking;
    mode.vTotal = row->height + row->vBlanking;
    mode.hSyncOffset = row->hFrontPorch;
    mode.hSyncWidth = row->hSyncWidth;
    mode.vSyncOffset = row->vFrontPorch;
    mode.vSyncWidth = row->vSyncWidth;
    mode.pixelClock = row->pixelClock;
    mode.refreshRate = row->refreshRate;
    mode.section = CeaTimingSection;
    mode.sourceKind = ModeSourceHdmiVic;
    mode.timingValid = 0xFF;
    target->AppendMode(&mode);
    if (row->pixelClock1001 != row->pixelClock) {
        mode.pixelClock = row->pixelClock1001;
        mode.rateVariant = 1;
        target->AppendMode(&mode);
    }
}
