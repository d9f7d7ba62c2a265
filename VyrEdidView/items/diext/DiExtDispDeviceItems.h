#pragma once

#include "items/diext/diextitem.h"
#include "model/diext/diexttypes.h"

#include <functional>
#include <utility>

class QLineEdit;

// One row of the "Display Device" section of a DI-EXT block. Field codes: 16 "Sub-Pixel
// Layout", 17 "Sub-Pixel Configuration", 18 "Sub Pixel Shape" (bytes 14-16), 19 "Hor.
// Pitch(cm)" (byte 17), 20 "Ver. Pitch(cm)" (byte 18), 21 "View Direction", 22 "Physical
// Implementation", 23 "Fixed Pixel Format Support", 24 "Transparent Background", 25 "DDC//CI
// Support" (byte 19); any other code has no title and covers the section.
class DiExtDispDeviceSubItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtDispDeviceSubItems(unsigned int code, unsigned int index, DiExtBlock *block,
                            unsigned char *image);
};

// The "Display Device" section of a DI-EXT block (bytes 14-19): the sub-pixel layout,
// configuration and shape, the pixel pitches, the view direction, the physical implementation
// and three support flags.
class DiExtDispDeviceItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtDispDeviceItems(DiExtBlock *block, unsigned char *image);

    bool InitItems() override;

private:
    void onComboLayout(int index);
    void onComboConfig(int index);
    void onComboShape(int index);
    void onComboViewDir(int index);
    void onComboPhysical(int index);
    void onEditHorPitch(const QString &text);
    void onEditVerPitch(const QString &text);
    void onCheckStateChanged(bool state, int subItemType);

    // A list row: field code, entries, the field's value; a choice sets the field.
    void placeList(unsigned int code, const QStringList &entries, uint32_t value,
                   void (DiExtDispDeviceItems::*handler)(int));
    // A pitch row: its editor, holding value, reports to handler.
    QLineEdit *placePitch(unsigned int code, uint32_t value,
                          void (DiExtDispDeviceItems::*handler)(const QString &));
    // Reads the section, lets change set its field, writes the section and notifies.
    void edit(const std::function<void(DiDisplayDevice &)> &change);

    DiDisplayDevice m_device;
    QLineEdit *m_horPitchEdit = nullptr;
    QLineEdit *m_verPitchEdit = nullptr;
};
