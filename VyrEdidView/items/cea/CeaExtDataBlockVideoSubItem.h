#pragma once

#include "ceaextdatablockitem.h"

// One short video descriptor of a video data block: the check box of column 0 is its native
// flag, the drop-down list its VIC (1 to 64).
class CeaExtDataBlockVideoSubItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVideoSubItem(unsigned int fieldCode, unsigned int index, unsigned int svdIndex,
                                CeaExtBlock *block, unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int svdIndex() const { return m_svd; }

    // The entries of the VIC list: "[VIC] WxH" + scan + "@" + rate + ", " + aspect.
    static QStringList vicEntries();

private:
    void onTimingSelected(int entry);
    void onNativeChanged(bool native);

    unsigned int m_svd;
};
