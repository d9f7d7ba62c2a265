#pragma once

#include "ceaextdatablockitem.h"

// A row of CeaExtDataBlockGenericItem: the vendor IEEE identifier (field code 115) or one payload
// byte (field code 114), in hexadecimal.
class CeaExtDataBlockGenericSubItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    static constexpr unsigned int ByteCode = 114;
    static constexpr unsigned int VendorIdCode = 115;

    CeaExtDataBlockGenericSubItem(unsigned int fieldCode, unsigned int index,
                                  unsigned int byteIndex, CeaExtBlock *block, unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

private:
    // The stored value as shown: "0X" and six digits for the identifier, the byte without
    // leading zero.
    QString storedText() const;
    void onItemDataChanged(const QString &text);

    unsigned int m_byteIndex;
    QLineEdit *m_edit = nullptr;
};
