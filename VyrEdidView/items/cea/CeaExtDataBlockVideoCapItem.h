#pragma once

#include "ceaextdatablockitem.h"

#include <QStringList>

struct CeaVideoCaps;

// A video capability data block (CTA-861-G, section 7.5.6): a drop-down list per field of its
// payload byte (three scan behaviours, two quantization flags).
class CeaExtDataBlockVideoCapItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVideoCapItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // The label of a row's field code; empty for a code the block does not have.
    static QString labelOf(unsigned int code);

private:
    // One row: field code, label, its entries (entry index = field value) and the field.
    struct FieldRow
    {
        unsigned int code;
        const char *label;
        QStringList (*entries)();
        unsigned int (*get)(const CeaVideoCaps &caps);
        void (*set)(CeaVideoCaps &caps, unsigned int value);
    };
    static const FieldRow Rows[5];

    static QStringList scanEntries();
    static QStringList rgbEntries();
    static QStringList yccEntries();
};
