#pragma once

#include "items/diext/DiExtBlockWidgets.h"
#include "items/diext/diextitem.h"
#include "model/diext/diexttypes.h"

class QComboBox;

// One row of the "General Info" section of a DI-EXT block. Field codes: 1 "Major Version" (byte
// 1), 2 "Interface Standard" (byte 2), 3 "Version" (bytes 3-6), 4 "Checksum" (byte 127); any
// other code has no title and covers the section.
class DiExtGeneralInfoSubItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtGeneralInfoSubItems(unsigned int code, unsigned int index, DiExtBlock *block,
                             unsigned char *image);
};

// The "General Info" section of a DI-EXT block (bytes 1-6 and 127): the block's version, the
// interface standard with its version in one of three forms, and the checksum.
class DiExtGeneralInfoItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtGeneralInfoItems(DiExtBlock *block, unsigned char *image);

    bool InitItems() override;

private:
    void onInterfaceTypeChange(int index);
    void onVersionTypeChange(int index);
    void onVersionWidgetDataChanged(const DiExtVersionWidgetData &versionData);
    // A general info write on an analog interface resets the data format section: its rows are
    // built again from the bytes.
    void refreshDataFormat();
    // The checksum row shows the checksum the block holds now.
    void showChecksum();

    // Type tag of the "Version" row for a form.
    static QString typeTag(int form);
    // What the version editor shows for the version info holds.
    static DiExtVersionWidgetData shownVersion(const DiGeneralInfo &info);

    QComboBox *m_versionFormCombo = nullptr;
    DiExtVersionWidget *m_versionWidget = nullptr;
    QString m_typeTag;
    DiExtGeneralInfoSubItems *m_versionRow = nullptr;
    DiExtGeneralInfoSubItems *m_checksumRow = nullptr;
    DiGeneralInfo m_info;
};
