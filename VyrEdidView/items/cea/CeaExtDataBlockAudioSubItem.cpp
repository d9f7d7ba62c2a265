#include "CeaExtDataBlockAudioSubItem.h"

#include "model/cea/ceaextblock.h"

#include <QCoreApplication>
#include <QHash>

CeaExtDataBlockAudioSubItem::CeaExtDataBlockAudioSubItem(unsigned int fieldCode, unsigned int index,
                                                         unsigned int sadIndex, CeaExtBlock *block,
                                                         unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
    , m_sad(sadIndex)
{}

bool CeaExtDataBlockAudioSubItem::InitItems()
{
    if (m_fieldCode == DescriptorCode) {
        setText(VyrEdidColumn::Property, QString::number(m_sad));
        updateBlockData();
        return true;
    }
    for (const FieldRow &entry : Rows) {
        if (entry.code == m_fieldCode)
            setText(VyrEdidColumn::Property,
                    QCoreApplication::translate("CeaExtDataBlockAudioSubItem", entry.label));
    }
    return true;
}

void CeaExtDataBlockAudioSubItem::updateBlockData()
{
    CeaSADDataBlock record{};
    if (m_block)
        m_block->GetAudioDataBlock(m_index, &record);
    const CeaShortAudioDescriptor sad =
        m_sad < record.count ? record.sad[m_sad] : CeaShortAudioDescriptor{};
    const auto changed = [this]() { onDataChanged(); };

    QHash<unsigned int, QTreeWidgetItem *> made;
    made.insert(DescriptorCode, this);
    for (const FieldRow &entry : Rows) {
        auto *row = new CeaExtDataBlockAudioSubItem(entry.code, m_index, m_sad, m_block, m_bytes);
        made.value(entry.parent, this)->addChild(row);
        row->InitItems();
        made.insert(entry.code, row);
        if (entry.code == 29) {
            // Format code 0 is reserved: no entry.
            const ComboRows::Shown format{sad.formatCode >= 1 && sad.formatCode <= 15
                                              ? static_cast<int>(sad.formatCode) - 1
                                              : -1,
                                          sad.formatCode};
            m_format = placeComboBox(row, formatEntries(), format, changed);
        } else if (entry.code == 37) {
            m_channels =
                placeLineEdit(row, QString::number(sad.channels), QStringLiteral("[DEC]"), changed);
            m_channels->setValidator(intValidator(1, 8, m_channels));
            m_channels->setToolTip(tr("Valid range is 1 --> 8"));
        } else if (entry.code == ValueCode) {
            m_valueRow = row;
            const QString text = sad.formatCode >= 2 ? QString::number(sad.value) : QString();
            m_value = placeLineEdit(row, text, QStringLiteral("[DEC]"), changed);
        } else if (entry.bit >= 0 && entry.parent == 29) {
            m_rates << placeCheckBox(row, (sad.sampleRates >> entry.bit) & 1u, changed);
        } else if (entry.bit >= 0) {
            m_depths << placeCheckBox(row, (sad.value >> entry.bit) & 1u, changed);
        }
    }
    updateControles();
}

void CeaExtDataBlockAudioSubItem::updateControles()
{
    if (!m_format || !m_value || !m_valueRow)
        return;
    const int i = ComboRows::currentRow(m_format);
    struct Range
    {
        const char *label;
        int maximum;
    };
    // By format code - 1, from 1 (AC-3): maximum bit rate in kHz (stored / 8), a byte, the
    // profile, the extension type code.
    static const Range ranges[] = {
        {QT_TR_NOOP("Max bit rate (kHz)"), 2043},
        {QT_TR_NOOP("Value"), 255},
        {QT_TR_NOOP("Profile"), 7},
        {QT_TR_NOOP("Extended Code"), 31},
    };
    const bool lpcm = i == 0;
    m_value->setEnabled(!lpcm);
    if (i >= 0) {
        for (QCheckBox *box : qAsConst(m_depths))
            box->setEnabled(lpcm);
    }
    // The validator of the previous format goes: a format chosen again and again must not pile
    // validators up under the editor.
    const QValidator *previous = m_value->validator();
    if (i <= 0) {
        // LPCM keeps its third byte in the bit depth boxes and format code 0 defines none: the
        // value row goes back to the untitled row without range that a fresh build shows, not
        // the title of the format chosen before.
        m_valueRow->setText(VyrEdidColumn::Property, QString());
        m_value->setValidator(nullptr);
        m_value->setToolTip(QString());
    } else {
        const Range &range = i <= 7    ? ranges[0]
                             : i <= 12 ? ranges[1]
                             : i == 13 ? ranges[2]
                                       : ranges[3];
        m_valueRow->setText(VyrEdidColumn::Property, tr(range.label));
        m_value->setValidator(intValidator(0, range.maximum, m_value));
        m_value->setToolTip(tr("Valid range is 0 --> %1").arg(range.maximum));
    }
    delete previous;
}

void CeaExtDataBlockAudioSubItem::onDataChanged()
{
    if (!m_format || isDetached())
        return;
    const int i = ComboRows::currentRow(m_format);
    editRecord<CeaSADDataBlock>(
        m_block, &CeaExtBlock::GetAudioDataBlock, &CeaExtBlock::SetAudioDataBlock,
        [&](CeaSADDataBlock &r) {
            if (m_sad >= r.count)
                return;
            CeaShortAudioDescriptor &sad = r.sad[m_sad];
            bool ok = false;
            const uint channels = m_channels->text().toUInt(&ok);
            if (ok && channels >= 1 && channels <= 8)
                sad.channels = channels; // other text keeps the stored count
            sad.formatCode = static_cast<quint32>(i + 1);
            quint8 rates = 0;
            for (int k = 0; k < m_rates.size(); ++k)
                rates = static_cast<quint8>(rates | (m_rates[k]->isChecked() ? 1u << k : 0u));
            sad.sampleRates = rates;
            if (i == 0) {
                quint32 value = sad.value & ~7u;
                for (int k = 0; k < m_depths.size(); ++k)
                    value |= m_depths[k]->isChecked() ? 1u << k : 0u;
                sad.value = value;
            } else if (i >= 1) {
                sad.value = m_value->text().toUInt(); // 0 when empty
            }
        },
        m_index);
    // The editors show what the block keeps (a bit rate in steps of 8 kHz, 0 for an empty
    // field), as a fresh tree does.
    CeaSADDataBlock stored{};
    if (m_block && !isDetached()) {
        m_block->GetAudioDataBlock(m_index, &stored);
        if (m_sad < stored.count) {
            const CeaShortAudioDescriptor &sad = stored.sad[m_sad];
            setEditorText(m_channels, QString::number(sad.channels));
            setEditorText(m_value, sad.formatCode >= 2 ? QString::number(sad.value) : QString());
            for (int k = 0; k < m_rates.size(); ++k)
                setCheckedQuietly(m_rates[k], (sad.sampleRates >> k) & 1u);
            for (int k = 0; k < m_depths.size(); ++k)
                setCheckedQuietly(m_depths[k], (sad.value >> k) & 1u);
        }
    }
    updateControles();
}

QList<EdidItemLocation> CeaExtDataBlockAudioSubItem::GetItemLocations() const
{
    return m_block ? m_block->GetAudioDataBlockLocation(m_fieldCode, m_index, m_sad, m_bytes)
                   : QList<EdidItemLocation>();
}
