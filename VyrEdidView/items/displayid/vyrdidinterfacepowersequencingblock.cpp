#include "vyrdidinterfacepowersequencingblock.h"

#include "items/displayid/didcellmakers.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "model/displayid/displayidblock.h"

#include <QDoubleSpinBox>
#include <QSpinBox>

bool VyrDIDInterfacePowerSequencingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagPowerSequencing));
    DidPowerSeqDataBlock record;
    if (m_model)
        m_model->GetPowerSeqDataBlock(m_index, &record);
    const unsigned int base = BaseOffset();

    // T1: minimum 0 to 1.5 ms in tenths (bits 7-4), maximum 0 to 30 ms in steps of 2 (bits 3-0).
    auto *t1 = new VyrDIDDoubleDualEditItem(tr("T1(ms)"), tr("Min/Max"), record.t1Min, record.t1Max,
                                            QStringLiteral("[FLT]"), 0, 30, 1);
    t1->leftBox()->setMaximum(1.5);
    t1->leftBox()->setSingleStep(0.1);
    t1->rightBox()->setSingleStep(2);
    addNamedChild(t1)->SetLocation({base, 1});

    // T2 and T3: only the maximum is stored (bits 5-0, steps of 2 ms); the minimum is 0.
    const QString periods[2] = {tr("T2(ms)"), tr("T3(ms)")};
    const quint32 maxima[2] = {record.t2, record.t3};
    for (unsigned int i = 0; i < 2; ++i) {
        auto *cell = new VyrDIDIntDualEditItem(periods[i], tr("Min/Max"), 0, int(maxima[i]),
                                               QStringLiteral("[DEC]"), 0, 126);
        cell->leftBox()->setReadOnly(true);
        addNamedChild(cell)->SetLocation({base + 1 + i, 1});
    }

    addNamedChild(decimalLineCell(tr("T4 Min.(ms)"), record.t4Min, 1270))
        ->SetLocation({base + 3, 1});
    addNamedChild(decimalLineCell(tr("T5 Min.(ms)"), record.t5Min, 630))
        ->SetLocation({base + 4, 1});
    addNamedChild(decimalLineCell(tr("T6 Min.(ms)"), record.t6Min, 630))
        ->SetLocation({base + 5, 1});
    return true;
}

void VyrDIDInterfacePowerSequencingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDInterfacePowerSequencingBlock", name, value);
    const bool left = name.contains(QLatin1String("left"));
    const bool right = name.contains(QLatin1String("right"));
    editRecord<DidPowerSeqDataBlock>(
        m_model, &DisplayIDBlock::GetPowerSeqDataBlock, &DisplayIDBlock::SetPowerSeqDataBlock,
        [&](DidPowerSeqDataBlock &r) {
            // Text that is no number writes nothing.
            if (name.contains(tr("T1")) && left)
                return realValue(value, &r.t1Min);
            if (name.contains(tr("T1")) && right) {
                double t1Max = 0;
                if (!realValue(value, &t1Max))
                    return false;
                r.t1Max = quint32(t1Max);
                return true;
            }
            if (name.contains(tr("T2")) && left)
                return wholeValue(value, &r.reserved1);
            if (name.contains(tr("T2")) && right)
                return wholeValue(value, &r.t2);
            if (name.contains(tr("T3")) && left)
                return wholeValue(value, &r.reserved2);
            if (name.contains(tr("T3")) && right)
                return wholeValue(value, &r.t3);
            if (name.contains(tr("T4")))
                return wholeValue(value, &r.t4Min);
            if (name.contains(tr("T5")))
                return wholeValue(value, &r.t5Min);
            if (name.contains(tr("T6")))
                return wholeValue(value, &r.t6Min);
            return true;
        },
        m_index);
}

QString VyrDIDInterfacePowerSequencingBlock::storedText(const QString &name) const
{
    // The delays are stored in steps of 0.1 ms (T1 minimum), 2 ms (T1 to T3 maximum) and 10 ms
    // (T4 to T6): a typed 95 reads back as another time. Each row's left and right value; the
    // line cells (T4 to T6) report without a side and show the left one.
    if (!m_model)
        return QString();
    DidPowerSeqDataBlock r;
    m_model->GetPowerSeqDataBlock(m_index, &r);
    const QString rows[6] = {tr("T1"), tr("T2"), tr("T3"), tr("T4"), tr("T5"), tr("T6")};
    const double stored[6][2] = {{r.t1Min, double(r.t1Max)},
                                 {double(r.reserved1), double(r.t2)},
                                 {double(r.reserved2), double(r.t3)},
                                 {double(r.t4Min), 0},
                                 {double(r.t5Min), 0},
                                 {double(r.t6Min), 0}};
    const int side = name.endsWith(QLatin1String(" right")) ? 1 : 0;
    for (int i = 0; i < 6; ++i) {
        if (name.contains(rows[i]))
            return QString::number(stored[i][side]);
    }
    return QString();
}
