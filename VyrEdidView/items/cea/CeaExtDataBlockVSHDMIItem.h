#pragma once

#include "ceaextdatablockitem.h"
#include "model/cea/ceadatablocks.h"

#include <QStringList>

#include <functional>

class CeaAudioVideoWidget;
class CeaExt3dWidget;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The HDMI vendor-specific data block (HDMI 1.4b, section 8.3.2): one group row per part of
// the block in byte order, a presence check box on each optional part, and the editors of every
// field. Every edit reads the whole record, changes one field and writes it back; switching a
// part on or off grows or shrinks the data block (the blocks after it move) and rebuilds the rows.
class CeaExtDataBlockVSHDMIItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVSHDMIItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                              unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // Rebuilds every row from the block.
    void updateBlockData();

public slots:
    void onEditSPA_A();
    void onEditSPA_B();
    void onEditSPA_C();
    void onEditSPA_D();
    void onCheckFeatures(bool state);
    void onCheckFeatureDVI_DL(bool state);
    void onCheckFeatureAI(bool state);
    void onCheckFeature30bpp(bool state);
    void onCheckFeature36bpp(bool state);
    void onCheckFeature48bpp(bool state);
    void onCheckFeatureYCbCr444(bool state);
    void onCheckClockRate(bool state);
    void onEditClockRate();
    void onCheckFlags(bool state);
    void onCheckFlagsCN0(bool state);
    void onCheckFlagsCN1(bool state);
    void onCheckFlagsCN2(bool state);
    void onCheckFlagsCN3(bool state);
    void onCheckLatency(bool state);
    void onVideoWidgetL();
    void onAudioWidgetL();
    void onCheckLatencyI(bool state);
    void onVideoWidgetLI();
    void onAudioWidgetLI();
    void onCheckExtCaps(bool state);
    void onComboImageSizeType(int selection);
    void onCheckSupport3D(bool state);
    void onComboMulti3D(int selection);
    void onCheck3DFramePacking(bool state);
    void onCheck3DSideBySide(bool state);
    void onCheck3DTopAndBottom(bool state);
    void onCheckMulti3dMode(bool state, unsigned int index);
    void onExt3DItemCountChanged(int count);
    void onExt3DItemModeChanged(unsigned int index, int selection);
    void onExt3DItemOptionChanged(unsigned int index, int selection);
    void onExt3DItemValueChanged(unsigned int index, const QString &value);
    void onExtVicItemCountChanged(int count);
    void onExtVicItemChanged(unsigned int index, int selection);

private:
    // The optional parts, each with the parts that exist only inside it.
    // PartRules (the .cpp) follows this order.
    enum Part { PartFeatures, PartClockRate, PartFlags, PartLatency, PartInterlaced, PartExtCaps };

    // Reads the record, lets change() set fields, writes it back and notifies; with rebuild
    // the rows are built again from the block before the notification.
    void edit(const std::function<void(CeaHdmiVSDB &)> &change, bool rebuild = false);
    // The same for a number typed into a line edit, written to field; the editor then shows
    // the value the block stored. Nothing happens for text that is no unsigned decimal number.
    void editNumber(QLineEdit *edit, unsigned CeaHdmiVSDB::*field);
    void editLatency(unsigned int field);
    // After a write: reads the record back and shows in edit the value(record) the block
    // stored, as a fresh tree does.
    void showStored(QLineEdit *edit, const std::function<unsigned(const CeaHdmiVSDB &)> &value);
    void setPresence(Part part, bool present);
    // Writes one flag of the record.
    void editFlag(bool CeaHdmiVSDB::*flag, bool state);

    // Row builders, one per part of the block, in byte order. The group row of an optional part
    // carries its presence check box; its rows exist only with the part.
    using CheckSlot = void (CeaExtDataBlockVSHDMIItem::*)(bool);
    // A row of class Row with field code under parent, titled by the row.
    template <typename Row> Row *addRow(QTreeWidgetItem *parent, unsigned int code);
    QCheckBox *placeCheck(QTreeWidgetItem *row, bool checked, CheckSlot slot);
    // A group row with its presence check box; with the part present one check box row per
    // entry of checks (field code, record flag it shows and writes) below it.
    template <typename Row, typename Checks>
    QCheckBox *addCheckGroup(unsigned int code, bool present, CheckSlot slot, const Checks &checks);
    void buildAddressRows();
    // The TMDS clock group; true when the clock is present.
    bool buildClockRows();
    QCheckBox *buildLatencyRows(unsigned int groupCode, bool present, unsigned int firstField,
                                CheckSlot slot);
    void placeLatencyWidget(QTreeWidgetItem *row, unsigned int field);
    void build3DRows(QTreeWidgetItem *caps, const CeaHdmiVSDB &vsdb);
    // The 2D VIC order choices of the extended 3D entries: the first svdCount SVDs.
    QStringList vicOrderTexts(const CeaSVDDataBlock &svds, unsigned int svdCount) const;
    void buildStructureRows(QTreeWidgetItem *multi, const CeaHdmiVSDB &vsdb);
    void buildMaskRows(QTreeWidgetItem *multi, const CeaHdmiVSDB &vsdb, unsigned int svdCount);
    void build3DEntryRows(QTreeWidgetItem *caps, const CeaHdmiVSDB &vsdb,
                          const QStringList &modeTexts, unsigned int svdCount);
    CeaExt3dWidget *new3DEntryWidget(unsigned int k, const QStringList &modeTexts,
                                     unsigned int svdCount);
    void buildVicRows(QTreeWidgetItem *caps, const CeaHdmiVSDB &vsdb);
    // The titles of the first 16 SVDs of the extension, as the 3D mask rows show them.
    QStringList svdTitles() const;

    CeaHdmiVSDB m_vsdb;
    QStringList m_svdTitles; // svdTitles() when the 3D rows were built
    QCheckBox *m_features = nullptr;
    QCheckBox *m_clockRate = nullptr;
    QCheckBox *m_flags = nullptr;
    QCheckBox *m_latency = nullptr;
    QCheckBox *m_latencyI = nullptr;
    QCheckBox *m_extCaps = nullptr;
    QLineEdit *m_address[4] = {};
    QLineEdit *m_tmds = nullptr;
    CeaAudioVideoWidget *m_latencyWidgets[4] = {};
};
