#pragma once

#include "items/displayid/vyrdiditembase.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "vyruiservice.h"

#include <QString>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <iterator>

// Base of the items whose edits may change the length of their data block (the product name,
// the serial number and ASCII string texts). A resizing write is checked against what the
// section can take, refused with a message through the UI seam when it does not fit, and
// followed by a deferred rebuild of the section's rows, so their locations stay true.
class VyrDIDResizingItem : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

protected:
    // Runs write, which changes the payload length by delta bytes. A growth beyond the section's
    // free bytes or its 251-byte limit is refused with a warning before writing; a write the
    // model did not carry out (no room before the next block) is reported the same way. After a
    // length change the section's rows are rebuilt. Answers whether the write took place.
    bool writeResized(int delta, const std::function<void()> &write);

    // The text data blocks (serial number, ASCII string): one row "STR" over the whole payload.
    template <typename Record>
    void initTextRow(void (DisplayIDBlock::*get)(unsigned, Record *) const)
    {
        unsigned length = 0;
        const QString text = storedTextOf(get, &length);
        auto *cell = new VyrDIDLineEditItem(QStringLiteral("STR"), text, tr("[STR]"));
        addNamedChild(cell)->SetLocation({BaseOffset(), length});
    }

    // The text the "STR" row shows for the stored payload (never null, so that a refused edit
    // puts it back in the cell); length, when given, gets the payload length.
    template <typename Record>
    QString storedTextOf(void (DisplayIDBlock::*get)(unsigned, Record *) const,
                         unsigned *length = nullptr) const
    {
        Record record;
        if (m_model)
            (m_model->*get)(m_index, &record);
        if (length)
            *length = record.length;
        const QString text = latin1Text(record.text, record.length);
        return text.isNull() ? QLatin1String("") : text;
    }

    // Writes an edited text. The cell shows the payload up to its first zero byte; the bytes
    // from there on, which it does not show, stay behind the new text, and a text confirmed as
    // shown writes nothing. A payload that would grow beyond MaxTextLength shows tooLong and
    // changes nothing.
    template <typename Record>
    void editText(const QVariant &value, void (DisplayIDBlock::*get)(unsigned, Record *) const,
                  void (DisplayIDBlock::*set)(unsigned, const Record *, int),
                  const std::function<void()> &tooLong)
    {
        if (!m_model)
            return;
        Record record;
        (m_model->*get)(m_index, &record);
        const QString typed = value.toString();
        const QString shown = latin1Text(record.text, record.length);
        if (typed == shown)
            return;
        QByteArray text = typed.toLatin1();
        const auto *payload = reinterpret_cast<const char *>(record.text);
        text += QByteArray(payload + shown.size(), int(record.length) - shown.size());
        if (text.size() > MaxTextLength) {
            tooLong();
            return;
        }
        const int delta = text.size() - int(record.length);
        record.length = static_cast<quint8>(text.size());
        std::fill(std::begin(record.text), std::end(record.text), quint8(0));
        std::copy(text.cbegin(), text.cend(), record.text);
        writeResized(delta, [&] { (m_model->*set)(m_index, &record, delta); });
    }

    // The text of bytes: at most length of them, up to the first zero byte, as Latin-1.
    static QString latin1Text(const quint8 *bytes, unsigned length);

    static constexpr int MaxTextLength = 247;
};
