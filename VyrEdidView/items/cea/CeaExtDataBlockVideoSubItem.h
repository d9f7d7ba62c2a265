#pragma once

#include "ceaextdatablockitem.h"

// One short video descriptor of a video data block: the drop-down list shows its VIC (1 to 64,
// or an entry "VIC n" of its own for a code the list cannot name), the check box of column 0 its
// native flag. Only codes of VICs 1 to 64 carry a native flag (CTA-861-F, section 7.5.1); a row
// of another code has no check box.
class CeaExtDataBlockVideoSubItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVideoSubItem(unsigned int fieldCode, unsigned int index, unsigned int svdIndex,
                                CeaExtBlock *block, unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int svdIndex() const { return m_svd; }
    // Shows the stored code and native flag without reporting an edit.
    void showStored();

    // The entries of the VIC list: "[VIC] WxH" + scan + "@" + rate + ", " + aspect.
    static QStringList vicEntries();

private:
    void onTimingSelected(int entry);
    void onNativeChanged(bool native);

    unsigned int m_svd;
    QComboBox *m_vicCombo = nullptr;
};
