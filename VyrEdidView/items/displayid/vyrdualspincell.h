#pragma once

#include "items/displayid/vyrdualeditbase.h"
#include "widgets/vyrnumbertext.h"

#include <QLocale>
#include <QSignalBlocker>
#include <QString>

#include <limits>
#include <type_traits>

// The two-value cells over a pair of spin boxes (Box: QSpinBox or QDoubleSpinBox holding
// Value). The cell classes start the boxes, then connect them, so making a cell reports
// nothing.
template <typename Box, typename Value> class VyrDualSpinCell : public VyrDualEditBase
{
public:
    QString name() const { return m_name; }
    QString label() const { return m_label; }
    QString format() const { return m_format; }
    Box *leftBox() const { return m_leftBox; }
    Box *rightBox() const { return m_rightBox; }

protected:
    VyrDualSpinCell(const QString &name, const QString &label, const QString &format)
        : m_name(name)
        , m_label(label)
        , m_format(format)
        , m_leftBox(new Box)
        , m_rightBox(new Box)
    {
        // The boxes show and read numbers as every editor of the tree does, whatever the
        // system's locale: "2.55", never "2,55".
        const QLocale locale =
            std::is_integral_v<Value> ? VyrNumberText::wholeLocale() : VyrNumberText::realLocale();
        m_leftBox->setLocale(locale);
        m_rightBox->setLocale(locale);
        layOut(m_leftBox, m_rightBox);
    }

    // Each box starts at its value, which is also its minimum (the box raises its maximum to
    // the value when needed).
    void startAt(Value left, Value right)
    {
        m_leftBox->setMinimum(left);
        m_leftBox->setValue(left);
        m_rightBox->setMinimum(right);
        m_rightBox->setValue(right);
    }

    // Both boxes take minimum to maximum, then their values.
    void startIn(Value left, Value right, Value minimum, Value maximum)
    {
        m_leftBox->setRange(minimum, maximum);
        m_leftBox->setValue(left);
        m_rightBox->setRange(minimum, maximum);
        m_rightBox->setValue(right);
    }

    // Connects each box's valueChanged(Value) to its slot of the cell.
    template <typename Cell>
    void connectBoxes(Cell *cell, void (Cell::*onLeft)(Value), void (Cell::*onRight)(Value))
    {
        QObject::connect(m_leftBox, QOverload<Value>::of(&Box::valueChanged), cell, onLeft);
        QObject::connect(m_rightBox, QOverload<Value>::of(&Box::valueChanged), cell, onRight);
    }

    void setShownValue(int side, const QString &text) override
    {
        Value value{};
        if constexpr (std::is_integral_v<Value>) {
            qlonglong whole = 0;
            if (!VyrNumberText::readWhole(text, &whole) || whole < std::numeric_limits<Value>::min()
                || whole > std::numeric_limits<Value>::max())
                return;
            value = Value(whole);
        } else if (!VyrNumberText::readReal(text, &value)) {
            return;
        }
        Box *box = side == 0 ? m_leftBox : m_rightBox;
        const QSignalBlocker blocker(box);
        box->setValue(value);
    }

    QString leftName() const { return m_name + QStringLiteral(" left"); }
    QString rightName() const { return m_name + QStringLiteral(" right"); }

private:
    QString m_name;
    QString m_label;
    QString m_format;
    Box *m_leftBox; // children of the cell's layout
    Box *m_rightBox;
};
