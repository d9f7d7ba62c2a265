#pragma once

#include "files/edidblocktable.h"
#include "files/edidfileresult.h"
#include "files/edidimage.h"
#include "plugin/ediddisplyinfo.h"

#include <QList>
#include <QString>
#include <QWidget>

class QTreeWidgetItem;
class VyrDeviceManager;
class VyrDeviceSelectWidget;
class VyrSystemManager;

namespace Ui {
class EdidLoadSaveForm;
}

// The page of the EDID view that brings an EDID image in (load mode: the first page) or
// takes the edited image out (save mode: the last page). It keeps its own copy of the
// 512-byte image and, before each file is written, the table of the blocks recognised in it.
//
// One option chooses the source or target: a display (the load page reads the EDID of the
// display chosen in the device select widget; the save page would send the image to that
// display as its EDID override) or a file (read or written in the format its suffix names:
// "bin", "txt", "inf" or "reg"). The mode sets the option (load: display; save: file) and the
// option buttons stay hidden; onLoadOptionChanged() switches it.
class EdidLoadSaveForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ImageSize = static_cast<int>(EdidImageSize);

    // load: true for the load page, false for the save page.
    explicit EdidLoadSaveForm(bool load, QWidget *parent = nullptr);
    ~EdidLoadSaveForm() override;

    EdidLoadSaveForm(const EdidLoadSaveForm &) = delete;
    EdidLoadSaveForm &operator=(const EdidLoadSaveForm &) = delete;

    // Shows the model of the system manager (not owned) in the device select widget (the
    // Device View without branches); null shows an empty tree. The selected device
    // manager receives the picks and names the displays of the registry file.
    void SetSystemManager(VyrSystemManager *systemManager);
    // The image to view, zeroed first. Option display: the 512 bytes of the selected
    // display's EDID; null when no display is selected or the display has read no EDID.
    // Option file: the file of the name field read by the reader its suffix names; the
    // all-zero image for an empty name; null for an unknown suffix or a file that could not be
    // read (the reader has said why). The pointer stays valid while the form lives.
    unsigned char *GetEdid();
    // Copies the 512-byte image at edid into the form's image. Option display: sends the size
    // bytes in use to the selected display as its EDID override. Option file: writes the
    // recognised blocks to the file of the name field in the format its suffix names. Answers
    // whether that worked; every failure is shown in a message box (an empty file name or an
    // unknown suffix with the four suffixes that choose a format).
    bool SaveOrOverrideEdid(unsigned char *edid, int size);
    // The selected display's EDID buffer (owned by the display); null without a device
    // manager, without a selected display, or before the display has read its EDID.
    const unsigned char *getEdidFromDevice() const;

    // Readers: fill the image from byte 0 (GetEdid zeroes it first); false after a message.
    bool getEdidFromBinFile(QString name);
    bool getEdidFromTxtFile(QString name);
    bool getEdidFromInfFile(QString name);
    bool getEdidFromRegFile(QString name);
    // Writers: write the image bytes the block table covers; false after a message. The message
    // of a file that worked names the announced blocks it could not hold.
    bool saveEdidToBinFile(QString name);
    bool saveEdidToTxtFile(QString name);
    bool saveEdidToInfFile(QString name);
    bool saveEdidToRegFile(QString name);

    // Refills the registry combo boxes: the signal types, and one entry per display of every
    // device of the selected device manager ("DEV[d] DISPLAY[i] name"). The choice made
    // before is kept when it is still offered.
    void populateRegSaveParams();
    // The key line "[<registry path>]" of the first adapter of the device at deviceIndex;
    // false (result unchanged) without such a device or adapter, or for an empty path.
    bool GetRegPathEmulatedEDID(unsigned int deviceIndex, QString &result) const;
    // The registry value name of the emulated EDID of a display; always true.
    bool GetRegNameEmulatedEDID(unsigned int displayIndex, bool analog, QString &result) const;
    // Fills the block table from the image.
    void updateParams(const EdidImage &image);

    bool isLoadMode() const { return m_load; }
    // True while the option is display (the radio button "from display" is checked).
    bool isDisplayOption() const;
    VyrDeviceSelectWidget *deviceSelectWidget() const { return m_deviceSelect; }
    VyrSystemManager *systemManager() const { return m_systemManager; }
    VyrDeviceManager *deviceManager() const { return m_deviceManager; }
    unsigned char *image() { return m_edid; }
    const EdidBlockTable &blockTable() const { return m_table; }
    const QList<EdidDisplyInfo> &regDisplays() const { return m_displays; }

signals:
    // On every change of the device select widget's current item: true for a display or an
    // MST branch, false for any other item and for none.
    void displaySelected(bool selected);

public slots:
    // true: option display (device select widget shown); false: option file (file name
    // line shown).
    void onLoadOptionChanged(bool checked);
    // Makes the item's object the only entry of the device manager's selection record; no item
    // (a rebuilt tree without the pick) leaves the record empty.
    void updateSelected(QTreeWidgetItem *item);
    // The "..." button: asks for a file to open (load page) or to save under (save page, in any
    // of the four formats) and puts the answer into the name field; a cancelled dialog leaves
    // the name field as it was.
    void on_btnLoadSave_clicked();

private:
    // Asks for a name to save under (empty when cancelled), starting from the typed one; a name
    // given without a suffix gets the one of the format chosen in the dialog.
    QString askSaveFileName(const QString &typed, const QString &filter) const;
    // Shows a writer's result, with the blocks of the table that were not written, and answers
    // whether the file was written.
    bool reportSaved(const EdidFileResult &result) const;
    // Refills the registry combo boxes and shows them on the save page while the file name
    // ends in ".reg".
    void updateRegFileParams();
    bool isRegFileName() const;

    Ui::EdidLoadSaveForm *ui;
    VyrDeviceSelectWidget *m_deviceSelect = nullptr;
    VyrSystemManager *m_systemManager = nullptr;
    VyrDeviceManager *m_deviceManager = nullptr;
    bool m_load;
    EdidImage m_edid;
    EdidBlockTable m_table;
    QList<EdidDisplyInfo> m_displays;
};
