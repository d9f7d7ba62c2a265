#include "ceaextdatablocksitem.h"

#include <QtGlobal>

// Display names of the data block kinds, by CeaBlockID.
QString CeaExtDataBlocksItem::getDataBlockName(CeaBlockID id)
{
    static const char *const names[] = {
        QT_TR_NOOP("Dummy"),
        QT_TR_NOOP("Audio Data Block"),
        QT_TR_NOOP("Video Data Block"),
        QT_TR_NOOP("HDMI Vendor Specific Data Block"),
        QT_TR_NOOP("Speaker Allocation Data Block"),
        QT_TR_NOOP("Video Capability Data Block"),
        QT_TR_NOOP("Colorimetry Data Block"),
        QT_TR_NOOP("Vendor Specific Data Block"),
        QT_TR_NOOP("Vendor-Specific Video Data Block"),
        QT_TR_NOOP("Vendor-Specific Audio Data Block"),
        QT_TR_NOOP("VESA DTC Data Block"),
        QT_TR_NOOP("VESA Video Display Device Info"),
        QT_TR_NOOP("VESA Video Data Block"),
        QT_TR_NOOP("HDMI Video Data Block"),
        QT_TR_NOOP("CEA Miscellaneous Audio Fields"),
        QT_TR_NOOP("HDMI Audio Data Block"),
    };
    return id < sizeof names / sizeof names[0] ? tr(names[id]) : tr(names[0]);
}
