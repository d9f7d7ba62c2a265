#pragma once

#include "items/base/basedescriptoritem.h"

#include <QByteArray>
#include <QString>

struct EdidString;

// A display product serial number (tag 0xFF), data string (0xFE) or product name (0xFC)
// descriptor: its 13 text bytes in one line editor of the item's own row.
//
// The text ends before the first line feed; a shorter text is stored with a line feed and
// blanks after it (VESA E-EDID 1.4, section 3.10.3). These descriptors hold ASCII, so the editor
// takes up to 13 printable ASCII characters (0x20 to 0x7E). A stored byte outside them (some data
// strings carry binary bytes) is shown as the stand-in U+FFFD, which stays tied to its own byte:
// editing the text around it keeps the byte in its place, deleting the stand-in deletes that byte
// and no other, and an undo that brings the stand-in back brings its byte back.
class VyrEdidStringDescriptorItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    static constexpr int MaxLength = 13;
    // The character shown for a stored byte outside printable ASCII.
    static constexpr char16_t StandIn = 0xFFFD;

    VyrEdidStringDescriptorItem(unsigned int slotNumber, const QString &title, DataBlock *block);

    bool InitItems() override;

    // The text the editor shows for the stored bytes.
    static QString textOf(const EdidString &stored);
    // The stored bytes behind the stand-ins of textOf(stored), in order.
    static QByteArray standInBytes(const EdidString &stored);
    // The 13 bytes that store text; its n-th stand-in stores byte n of standIns.
    static EdidString bytesOf(const QString &text, const QByteArray &standIns);

    // How many stand-ins the editor's text may hold: those it shows and those that edits took
    // out and an undo may bring back.
    int standInsAvailable() const { return m_standIns.size() + m_removed.size(); }

public slots:
    // Writes the editor's text into the descriptor.
    void onDataChanged();

private:
    // Fills the editor with the stored text.
    void showStored();
    // Ties the stand-ins of text, the editor's text after a user's edit, to their bytes.
    void followEdit(const QString &text);

    QLineEdit *m_edit = nullptr;
    QString m_shown;       // the editor's text that m_standIns belongs to
    QByteArray m_standIns; // the bytes of the stand-ins of m_shown, in order
    QByteArray m_removed;  // bytes of stand-ins edits took out, the last taken out last
};
