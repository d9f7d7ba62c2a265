#pragma once

#include "applogtype.h"
#include "devicemodeinfo.h"
#include "linksettings.h"
#include "noxapi.h"
#include "vyrdisplayinfo.h"
#include "vyrdisplaymode.h"

#include <QObject>
#include <QString>

#include <set>

class Adapter;
class DpcdTableData;
class DriverCommunicator;
class MSTDeviceData;
class TestHarnessData;
class VyrDisplayStereoInfo;
struct AppLoggerInfo;

// Kinds of display connection, as the display output descriptor reports them.
enum DisplaySinkType : int {
    DisplaySinkUnknown = 0,
    DisplaySinkCrt = 1,
    DisplaySinkDviD = 2,
    DisplaySinkDviI = 3,
    DisplaySinkCvSmartNa = 4,
    DisplaySinkCvSmartJp = 5,
    DisplaySinkCvSmartJpn = 6,
    DisplaySinkCvSmartNtsc = 7,
    DisplaySinkLvds = 8,
    DisplaySinkHdmiA = 10,
    DisplaySinkHdmiB = 11,
    DisplaySinkSVideo = 12,
    DisplaySinkComposite = 13,
    DisplaySinkComponent = 14,
    DisplaySinkDisplayPort = 15,
    DisplaySinkEdp = 16
};

// One display of an adapter: a copy of the driver's display record, its EDID image, DDC
// and underscan information, signal type, MST place, current mode and the set of modes
// the driver offers. The device creates one per connected display record; the adapter
// that drives it sets itself as its parent and updates it on every refresh. Every
// driver call uses the parent adapter's index and the display's logical index, so a
// display without a parent asks the driver nothing.
//
// The whole model is rebuilt by every refresh of the device manager: a pointer to a
// display is valid until the manager's next configurationChangedSignal().
class VyrDisplay : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString signalType READ signalTypeName)
    Q_PROPERTY(int index READ index)
    Q_PROPERTY(bool enabled READ IsEnabled)

public:
    // The size of the EDID image a display keeps: four 128-byte blocks.
    static constexpr int EdidBufferSize = 512;

    VyrDisplay(AppLoggerInfo *logger, DriverCommunicator *communicator, NOXDisplayInfo *record);
    ~VyrDisplay() override;

    VyrDisplay(const VyrDisplay &) = delete;
    VyrDisplay &operator=(const VyrDisplay &) = delete;

    // Name of a signal type: "HdmiA", "DisplayPort", ...; "Unknown" for any other code.
    static QString sinkTypeToString(DisplaySinkType type);

    QString name() const { return m_info.DisplayName; }
    QString signalTypeName() const;
    int index() const { return m_info.displayID.iDisplayLogicalIndex; }

    // ---- parent and refresh ---------------------------------------------------------
    // Attaches the display to the adapter that drives it; null is ignored.
    void SetParent(Adapter *adapter);
    Adapter *parentAdapter() const { return m_parent; }
    // Stores both flags, then reads the display's data, modes, EDID and underscan.
    bool Update(bool enabled, bool connected);
    // DDC information, output descriptor (signal type, DisplayPort, MST place).
    bool updateData(bool enabled);
    // Adds the driver's modes to the set (which is never emptied) and reads the
    // current mode; nothing without a parent or while the display is not enabled.
    bool UpdateModes();
    // Reads the EDID into a new buffer when the display is connected; a display that is
    // not connected keeps its earlier buffer.
    bool UpdateEdid();
    bool OverrideEdid(unsigned char *data, int length);
    bool GetUnderscanInfo(tagUNDERSCANINFO &out);
    bool GetLinkParams(LinkSettings *settings);

    // ---- EDID -----------------------------------------------------------------------
    // The 512-byte EDID image, null before the first read. UpdateEdid() frees the buffer
    // and allocates a new one, so a caller that keeps the bytes across an update (or a
    // refresh of the model) must copy them.
    const unsigned char *edid() const { return m_edid; }
    // Writes hexadecimal numbers separated by any non-word characters into the EDID
    // buffer from its start, at most 512; nothing without a buffer.
    void cdataToEdid(QString text);
    // The EDID buffer as "XX " per byte; empty without a buffer.
    QString edidToCdata() const;
    bool CompareEDID(const VyrDisplay *other) const;
    // Same monitor in the same state: information, flags, underscan, DDC, MST place, EDID.
    bool Compare(const VyrDisplay *other) const;

    // ---- enable state ---------------------------------------------------------------
    // Asks the driver whether the display is mapped to a desktop. Without a parent
    // out is false and the answer true; false when the driver does not list the display.
    bool IsEnabled(bool &out) const;
    bool IsEnabled() const;
    bool Enable();
    bool Disable();

    // ---- modes ----------------------------------------------------------------------
    bool SetRequestedMode(DeviceModeInfo *mode);
    // Sets the parent adapter's mode at index, at the current position of the display.
    bool SetMode(unsigned int index);
    // Makes the driver apply the current mode again: sets it once with another colour
    // depth, then with its own; answers the first set's result.
    bool ForceSetMode();

    // ---- state read by the model and its views ---------------------------------------
    const VyrDisplayInfo &info() const { return m_info; }
    // Flags of the last Update: mapped to a desktop and connected. (IsEnabled() asks
    // the driver instead.)
    bool enabled() const { return m_enabled; }
    bool connected() const { return m_connected; }
    quint32 signalType() const { return m_signalType; }
    const std::set<VyrDisplayMode> &modes() const { return m_modes; }
    DeviceModeInfo &currentMode() { return m_currentMode; }
    const DeviceModeInfo &currentMode() const { return m_currentMode; }
    const tagDISPLAYDDCINFOEX &ddcInfo() const { return m_ddcInfo; }
    const tagUNDERSCANINFO &underscanInfo() const { return m_underscanInfo; }
    bool underscanValid() const { return m_underscanValid; }
    bool isMst() const { return m_isMst; }
    bool isDp() const { return m_isDp; }
    bool isEdp() const { return m_isEdp; }
    bool linkParamsValid() const { return m_linkParamsValid; }
    bool downspreadEnabled() const { return m_downspreadEnabled; }
    qint32 radLength() const { return m_radLength; }
    const MSTDeviceData *mst() const { return m_mst; }
    quint32 deviceId() const { return m_deviceId; }
    DriverCommunicator *communicator() const { return m_communicator; }

    void printLog(AppLogType type, const QString &text) const;

protected:
    // Hands a mode to the driver (through the X server on this platform).
    virtual bool setDriverMode(DeviceModeInfo *mode);

private:
    bool haveDriver() const;
    int adapterIndex() const;
    void readMstData(const tagDI_DISPLAYOUTPUTDESCRIPTOR &descriptor);

    Adapter *m_parent = nullptr;
    AppLoggerInfo *m_logger = nullptr;
    VyrDisplayInfo m_info;
    VyrDisplayStereoInfo *m_stereoInfo = nullptr;
    quint32 m_deviceId = 0xFFFFFFFFu;
    DriverCommunicator *m_communicator = nullptr;
    unsigned char *m_edid = nullptr;
    tagUNDERSCANINFO m_underscanInfo = {};
    bool m_underscanValid = false;
    bool m_enabled = false;
    bool m_connected = false;
    quint8 m_reservedFlag = 0;
    quint32 m_signalType = 0;
    tagDISPLAYDDCINFOEX m_ddcInfo = {};
    DpcdTableData *m_dpcd = nullptr;
    TestHarnessData *m_testHarness = nullptr;
    MSTDeviceData *m_mst = nullptr;
    DeviceModeInfo m_currentMode;
    bool m_downspreadEnabled = false;
    bool m_isMst = false;
    bool m_isDp = false;
    bool m_isEdp = false;
    bool m_linkParamsValid = false;
    qint32 m_radLength = -1;
    std::set<VyrDisplayMode> m_modes;
};
