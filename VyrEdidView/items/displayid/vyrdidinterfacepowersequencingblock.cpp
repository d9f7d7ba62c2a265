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
            if (name.contains(tr("T1")) && left)
                r.t1Min = value.toDouble();
            else if (name.contains(tr("T1")) && right)
                r.t1Max = quint32(value.toDouble());
            else if (name.contains(tr("T2")) && left)
                r.reserved1 = value.toUInt();
            else if (name.contains(tr("T2")) && right)
                r.t2 = value.toUInt();
            else if (name.contains(tr("T3")) && left)
                r.reserved2 = value.toUInt();
            else if (name.contains(tr("T3")) && right)
                r.t3 = value.toUInt();
            else if (name.contains(tr("T4")))
                r.t4Min = value.toUInt();
            else if (name.contains(tr("T5")))
                r.t5Min = value.toUInt();
            else if (name.contains(tr("T6")))
                r.t6Min = value.toUInt();
        },
        m_index);
}

QString VyrDIDInterfacePowerSequencingBlock::storedText(const QString &name) const
{
    // T4 to T6 are stored in steps of 10 ms: 95 reads back as another time.
    const QString rows[3] = {tr("T4"), tr("T5"), tr("T6")};
    for (int i = 0; i < 3; ++i) {
        if (!m_model || !name.contains(rows[i]))
            continue;
        DidPowerSeqDataBlock record;
        m_model->GetPowerSeqDataBlock(m_index, &record);
        const quint32 stored[3] = {record.t4Min, record.t5Min, record.t6Min};
        return QString::number(stored[i]);
    }
    return QString();
}
