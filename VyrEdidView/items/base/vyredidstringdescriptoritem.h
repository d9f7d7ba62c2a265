#pragma once

#include "items/base/basedescriptoritem.h"

#include <QString>

struct EdidString;

// A display product serial number (tag 0xFF), data string (0xFE) or product name (0xFC)
// descriptor: its 13 text bytes in one line editor of the item's own row.
//
// The text ends before the first line feed; a shorter text is stored with a line feed and
// blanks after it (VESA E-EDID 1.4, section 3.10.3). The editor takes up to 13 printable Latin-1
// characters. A stored byte that has no printable form (some data strings carry binary bytes)
// is shown as U+FFFD and kept in its place when the rest of the text is edited.
class VyrEdidStringDescriptorItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    static constexpr int MaxLength = 13;

    VyrEdidStringDescriptorItem(unsigned int slotNumber, const QString &title, DataBlock *block);

    bool InitItems() override;

    // The text the editor shows for the stored bytes.
    static QString textOf(const EdidString &stored);
    // The 13 bytes that store text; each U+FFFD takes the next byte without printable form of
    // stored, in order.
    static EdidString bytesOf(const QString &text, const EdidString &stored);

public slots:
    // Writes the editor's text into the descriptor.
    void onDataChanged();

private:
    QLineEdit *m_edit = nullptr;
};
