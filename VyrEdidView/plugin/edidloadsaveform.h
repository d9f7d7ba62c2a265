#pragma once

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
// 512-byte image. One option chooses between a display and a file; the mode sets it (load:
// the display chosen in the device select widget; save: a file), and the option buttons
// stay hidden.
class EdidLoadSaveForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ImageSize = 512;

    // load: true for the load page, false for the save page.
    explicit EdidLoadSaveForm(bool load, QWidget *parent = nullptr);
    ~EdidLoadSaveForm() override;

    EdidLoadSaveForm(const EdidLoadSaveForm &) = delete;
    EdidLoadSaveForm &operator=(const EdidLoadSaveForm &) = delete;

    // Shows the model of the system manager (not owned) in the device select widget (the
    // Device View without branches); null shows an empty tree. The selected device
    // manager receives the picks.
    void SetSystemManager(VyrSystemManager *systemManager);
    // The image to view: zeroed, then (option display) the 512 bytes of the selected
    // display's EDID. Null when no display is selected, the display has read no EDID, or
    // (option file) no file could be read. The pointer stays valid while the form lives.
    unsigned char *GetEdid();
    // Copies the 512-byte image at edid (size bytes in use) into the form's image.
    // Writing it to a file or to the display is not built yet: answers false.
    bool SaveOrOverrideEdid(unsigned char *edid, int size);
    // The selected display's EDID buffer (owned by the display); null without a device
    // manager, without a selected display, or before the display has read its EDID.
    const unsigned char *getEdidFromDevice() const;

    bool isLoadMode() const { return m_load; }
    // True while the option is display (the radio button "from display" is checked).
    bool isDisplayOption() const;
    VyrDeviceSelectWidget *deviceSelectWidget() const { return m_deviceSelect; }
    VyrSystemManager *systemManager() const { return m_systemManager; }
    VyrDeviceManager *deviceManager() const { return m_deviceManager; }
    unsigned char *image() { return m_edid; }

signals:
    // On every change of the device select widget's current item to an item: true for a
    // display or an MST branch.
    void displaySelected(bool selected);

public slots:
    // true: option display (device select widget shown); false: option file (file name
    // line shown).
    void onLoadOptionChanged(bool checked);
    // Makes the item's object the only entry of the device manager's selection record.
    void updateSelected(QTreeWidgetItem *item);

private:
    Ui::EdidLoadSaveForm *ui;
    VyrDeviceSelectWidget *m_deviceSelect = nullptr;
    VyrSystemManager *m_systemManager = nullptr;
    VyrDeviceManager *m_deviceManager = nullptr;
    bool m_load;
    unsigned char m_edid[ImageSize];
};
