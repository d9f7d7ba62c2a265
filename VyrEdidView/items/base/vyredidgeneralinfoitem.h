#pragma once

#include "items/base/vyredidbasegroupitem.h"

class QLabel;
class QLineEdit;
struct ProductIdInfo;

// The "General Info" group of the base block: vendor and product identification (bytes 8 to
// 17), version and revision (18, 19), extension count (126) and checksum (127), one row each
// (VyrEdidGeneralInfoSubItem). Manufacturer, product code, serial number, week and year are
// edited in place through the block's ProductIdInfo record; the others are read-only.
class VyrEdidGeneralInfoItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidGeneralInfoItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    // Builds the eight rows and fills them from the block (empty without a model).
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // Puts the block's values into every row; called once, by InitItems().
    void UpdateItemData();
    // The extension count and checksum labels, read from the block again (empty without a
    // model). Runs after every change of the image, so the checksum shown is always the stored
    // one, whichever group made the change.
    void updateReadOnlyData();

public slots:
    void onProductNameChanged();
    void onProductCodeChanged();
    void onProductSerialChanged();
    void onWeekOfManufChanged();
    void onYearOfManufChanged();

private:
    // One edit of the product identification, then its echo (showProductId()).
    template <typename Change> void editProductId(Change change);
    // The five editors show the product identification as the block stores it (the block keeps
    // five bits of a letter, 16 of the product code, ...): after an edit, what a fresh tree shows.
    void showProductId();

    QLabel *m_version = nullptr;
    QLineEdit *m_manufacturer = nullptr;
    QLineEdit *m_productCode = nullptr;
    QLineEdit *m_serialNumber = nullptr;
    QLineEdit *m_week = nullptr;
    QLineEdit *m_year = nullptr;
    QLabel *m_extensionCount = nullptr;
    QLabel *m_checksum = nullptr;
};
