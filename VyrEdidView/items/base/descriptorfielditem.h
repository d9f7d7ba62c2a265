#pragma once

#include "items/base/basedescriptoritem.h"

#include <QString>

// A row of a descriptor item that stands for one field of the descriptor, named by a field code
// and labelled by its class. It builds nothing and shows descriptor bytes 4 to 16 unless its
// class locates the field itself.
class DescriptorFieldItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    DescriptorFieldItem(int kind, unsigned int code, unsigned int slotNumber, DataBlock *block,
                        const QString &label);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int code() const { return m_code; }

protected:
    unsigned int m_code;
};
