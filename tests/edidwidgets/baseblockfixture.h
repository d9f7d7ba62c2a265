#pragma once

#include "model/base/edid13block.h"
#include "model/base/edid14block.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

// A default EDID 1.3 or 1.4 base block with bytes 20 to 22 as a test sets them, and the block
// model over it: the record an item hands its editors, and the bytes an emitted record gives.
class BaseBlockFixture
{
public:
    BaseBlockFixture(bool edid14, quint8 input, quint8 hSize = 0, quint8 vSize = 0)
        : m_bytes(128, '\0')
    {
        auto *data = reinterpret_cast<unsigned char *>(m_bytes.data());
        if (edid14) {
            Edid14Block::InitBuffer(data, 128);
            m_block = std::make_unique<Edid14Block>(data, 128, 0, nullptr);
        } else {
            Edid13Block::InitBuffer(data, 128);
            m_block = std::make_unique<Edid13Block>(data, 128, 0, nullptr);
        }
        data[20] = input;
        data[21] = hSize;
        data[22] = vSize;
    }

    BasicDisplayParams params()
    {
        BasicDisplayParams params{};
        m_block->GetBasicDisplayParams(&params);
        return params;
    }

    // Stores a record as the basic display parameters item does.
    void store(BasicDisplayParams params) { m_block->SetBasicDisplayParams(&params); }

    quint8 byte(int index) const { return static_cast<quint8>(m_bytes.at(index)); }

private:
    QByteArray m_bytes;
    std::unique_ptr<Edid13Block> m_block;
};

// Every record a widget emits in editFinished(Record), in order.
template <typename Record> class Emissions : public QList<Record>
{
public:
    template <typename Widget> explicit Emissions(Widget *widget)
    {
        QObject::connect(widget, &Widget::editFinished,
                         [this](Record record) { this->append(record); });
    }
};

// A basic-parameter editor, shown, over the record of a block as the item builds it; adjust
// may change the record before the widget copies it.
template <typename Widget> struct OpenBasicWidget
{
    OpenBasicWidget(bool edid14, quint8 input, quint8 hSize = 0, quint8 vSize = 0,
                    const std::function<void(BasicDisplayParams &)> &adjust = {})
        : block(edid14, input, hSize, vSize)
        , params(adjusted(block.params(), adjust))
        , widget(&params, nullptr, edid14)
        , emitted(&widget)
    {
        widget.show();
    }

    static BasicDisplayParams adjusted(BasicDisplayParams params,
                                       const std::function<void(BasicDisplayParams &)> &adjust)
    {
        if (adjust)
            adjust(params);
        return params;
    }

    BaseBlockFixture block;
    BasicDisplayParams params;
    Widget widget;
    Emissions<BasicDisplayParams> emitted;
};
