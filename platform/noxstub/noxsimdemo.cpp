#include "noxsimedids.h"
#include "noxsimmachine.h"

// The demo machine a new user sees when no driver library is installed: every name
// says it is simulated. Two graphics devices: a discrete one with two adapters (an
// HDMI TV, a DisplayPort monitor with DDC/CI, an MST branch with two monitors, a
// connected but unmapped DVI monitor and an unconnected VGA port) and an integrated
// one driving a laptop panel.

namespace {

QByteArray demoEdid(const char *key)
{
    for (const NoxSimEdid *e = noxSimEdids; e->key; ++e) {
        if (qstrcmp(e->key, key) == 0)
            return QByteArray(reinterpret_cast<const char *>(e->data), static_cast<int>(e->size));
    }
    return QByteArray();
}

QVector<NoxSimMode> desktopModes(int maxWidth, int maxHeight)
{
    static const NoxSimMode all[] = {
        {3840, 2160, 60.0f, 32}, {2560, 1440, 59.951f, 32}, {1920, 1080, 60.0f, 32},
        {1920, 1080, 50.0f, 32}, {1680, 1050, 59.954f, 32}, {1280, 1024, 60.02f, 32},
        {1280, 720, 60.0f, 32},  {1024, 768, 60.004f, 32},  {800, 600, 60.317f, 32},
        {640, 480, 59.94f, 32},
    };
    QVector<NoxSimMode> modes;
    for (const NoxSimMode &m : all) {
        if (m.width <= maxWidth && m.height <= maxHeight)
            modes.push_back(m);
    }
    return modes;
}

int modeIndex(const QVector<NoxSimMode> &modes, int width, int height)
{
    for (int i = 0; i < modes.size(); ++i) {
        if (modes[i].width == width && modes[i].height == height)
            return i;
    }
    return 0;
}

// Receiver capabilities and link state of a DisplayPort 1.2 sink (DisplayPort
// standard, DPCD addresses 0x000-0x00B, 0x100-0x107, 0x200-0x20B, 0x400-0x40B, 0x600).
std::map<unsigned int, unsigned char> sinkDpcd(const char *id, bool mstCapable)
{
    std::map<unsigned int, unsigned char> r;
    r[0x000] = 0x12; // DPCD revision 1.2
    r[0x001] = 0x14; // 5.4 Gbit/s per lane
    r[0x002] = 0x84; // enhanced framing, 4 lanes
    r[0x003] = 0x01; // down-spread supported
    r[0x004] = 0x01;
    r[0x005] = mstCapable ? 0x01 : 0x00;
    r[0x007] = mstCapable ? 0x02 : 0x00;
    r[0x008] = 0x02;
    r[0x100] = 0x14;
    r[0x101] = 0x84;
    r[0x107] = 0x10;
    r[0x200] = 0x01; // one sink
    r[0x202] = 0x77; // lanes 0-1: clock recovery, equalisation, symbol lock
    r[0x203] = 0x77;
    r[0x204] = 0x01; // inter-lane aligned
    r[0x205] = 0x01;
    for (unsigned int i = 0; i < 6 && id[i]; ++i)
        r[0x403 + i] = static_cast<unsigned char>(id[i]);
    r[0x409] = 0x10;
    r[0x40A] = 0x01;
    r[0x600] = 0x01; // D0, normal operation
    return r;
}

NoxSimAdapter demoAdapter(int index, int bus, int device, int xScreen, const char *name,
                          const char *udidSuffix)
{
    NoxSimAdapter a;
    a.index = index;
    a.bus = bus;
    a.device = device;
    a.function = 0;
    a.vendorId = 0x1234;
    a.present = 1;
    a.xScreen = xScreen;
    a.driverIndex = index;
    a.udid = QStringLiteral("PCI_VEN_1234&DEV_5678&SUBSYS_00000000&REV_00_%1")
                 .arg(QLatin1String(udidSuffix));
    a.name = QLatin1String(name);
    a.displayName = QStringLiteral(":0.%1").arg(xScreen);
    a.xScreenConfigName = QStringLiteral("Simulated Screen %1").arg(xScreen);
    a.biosPartNumber = QStringLiteral("SIMULATED-VBIOS-%1").arg(index);
    a.biosVersion = QStringLiteral("001.002.003");
    a.biosDate = QStringLiteral("2026/01/15");
    return a;
}

} // namespace

void NoxSimMachine::loadDemo()
{
    adapters.clear();
    displays.clear();
    globals.clear();

    adapters.push_back(
        demoAdapter(0, 3, 0, 0, "Simulated Graphics Adapter (demo, not real hardware)", "0"));
    adapters.push_back(
        demoAdapter(1, 3, 0, 1, "Simulated Graphics Adapter (demo, not real hardware)", "1"));
    adapters.push_back(
        demoAdapter(2, 0, 2, 2, "Simulated Integrated Graphics (demo, not real hardware)", "2"));

    NoxSimDisplay tv;
    tv.adapter = 0;
    tv.index = 0;
    tv.controller = 0;
    tv.name = QStringLiteral("Simulated HDMI TV");
    tv.manufacturer = QStringLiteral("Simulated Displays");
    tv.signalType = NOX_SIGNAL_HDMI_A;
    tv.connector = 12;
    tv.outputType = 2;
    tv.type = 1;
    tv.edid = demoEdid("tv");
    tv.modes = desktopModes(1920, 1080);
    tv.currentMode = modeIndex(tv.modes, 1920, 1080);
    tv.serialNumber = 1001;
    displays.push_back(tv);

    NoxSimDisplay dp;
    dp.adapter = 0;
    dp.index = 1;
    dp.controller = 1;
    dp.x = 1920;
    dp.name = QStringLiteral("Simulated DisplayPort Monitor");
    dp.manufacturer = QStringLiteral("Simulated Displays");
    dp.signalType = NOX_SIGNAL_DISPLAYPORT;
    dp.connector = 10;
    dp.outputType = 4;
    dp.type = 2;
    dp.edid = demoEdid("dpmonitor");
    dp.modes = desktopModes(3840, 2160);
    dp.currentMode = modeIndex(dp.modes, 2560, 1440);
    dp.dpcd = sinkDpcd("SIMDP", false);
    dp.ddcCapabilities = QByteArrayLiteral(
        "(prot(monitor)type(LCD)model(Simulated DP Monitor)cmds(01 02 03 07 0C E3 F3)"
        "vcp(02 04 05 08 10 12 14(05 08 0B) 16 18 1A 52 60(0F 11 12) AC AE B6 C6 C8 C9 "
        "D6(01 04 05) DF)mccs_ver(2.1))");
    dp.vcp = {{0x02, {2, 0xFF}},        {0x10, {50, 100}},       {0x12, {75, 100}},
              {0x14, {5, 11}},          {0x16, {50, 100}},       {0x18, {50, 100}},
              {0x1A, {50, 100}},        {0x52, {0, 0xFF}},       {0x60, {0x0F, 0x12}},
              {0xAC, {1000, 0xFFFF}},   {0xAE, {6000, 0xFFFF}},  {0xB6, {3, 8}},
              {0xC6, {0x0201, 0xFFFF}}, {0xC8, {0x12, 0xFF}},    {0xC9, {0x0100, 0xFFFF}},
              {0xD6, {1, 5}},           {0xDF, {0x0201, 0xFFFF}}};
    dp.serialNumber = 1002;
    displays.push_back(dp);

    // Two monitors behind one DisplayPort MST branch, on the second adapter.
    for (int i = 0; i < 2; ++i) {
        NoxSimDisplay m;
        m.adapter = 1;
        m.index = 2 + i;
        m.controller = 2 + i;
        m.x = i * 1920;
        m.name = QStringLiteral("Simulated MST Monitor %1").arg(i + 1);
        m.manufacturer = QStringLiteral("Simulated Displays");
        m.signalType = NOX_SIGNAL_DISPLAYPORT;
        m.connector = 10;
        m.outputType = 4;
        m.type = 2;
        m.edid = demoEdid(i == 0 ? "mst1" : "mst2");
        m.modes = desktopModes(1920, 1080);
        m.currentMode = modeIndex(m.modes, 1920, 1080);
        m.dpcd = sinkDpcd(i == 0 ? "SIMMS1" : "SIMMS2", false);
        m.branchDpcd = sinkDpcd("SIMBR", true);
        m.branchDpcd[0x500] = 0x00;
        m.branchDpcd[0x503] = 'S';
        m.branchDpcd[0x504] = 'I';
        m.branchDpcd[0x505] = 'M';
        m.branchDpcd[0x506] = 'B';
        m.branchDpcd[0x507] = 'R';
        m.mst = true;
        m.mstTreeId = 1;
        m.mstLinkCount = 2;
        m.mstGuid = QByteArray::fromHex("5349 4d55 4c41 5445 4442 5241 4e43 4801");
        m.mstRad = QByteArray::fromHex(i == 0 ? "0101" : "0102");
        m.serialNumber = static_cast<uint32_t>(1003 + i);
        displays.push_back(m);
    }

    NoxSimDisplay panel;
    panel.adapter = 2;
    panel.index = 4;
    panel.controller = 0;
    panel.name = QStringLiteral("Simulated Laptop Panel");
    panel.manufacturer = QStringLiteral("Simulated Displays");
    panel.signalType = NOX_SIGNAL_EDP;
    panel.connector = 14;
    panel.outputType = 4;
    panel.type = 3;
    panel.edid = demoEdid("panel");
    panel.modes = desktopModes(1920, 1080);
    panel.currentMode = modeIndex(panel.modes, 1920, 1080);
    panel.dpcd = sinkDpcd("SIMEDP", false);
    panel.serialNumber = 1005;
    displays.push_back(panel);

    NoxSimDisplay dvi;
    dvi.adapter = 0;
    dvi.index = 5;
    dvi.controller = -1;
    dvi.mapped = false;
    dvi.name = QStringLiteral("Simulated DVI Monitor (connected, not in use)");
    dvi.manufacturer = QStringLiteral("Simulated Displays");
    dvi.signalType = NOX_SIGNAL_DVI_D;
    dvi.connector = 3;
    dvi.outputType = 1;
    dvi.type = 2;
    dvi.edid = demoEdid("dvi");
    dvi.modes = desktopModes(1280, 1024);
    dvi.serialNumber = 1006;
    displays.push_back(dvi);

    NoxSimDisplay vga;
    vga.adapter = 0;
    vga.index = 6;
    vga.controller = -1;
    vga.connected = false;
    vga.mapped = false;
    vga.name = QStringLiteral("Simulated VGA Port (nothing connected)");
    vga.manufacturer = QStringLiteral("Simulated Displays");
    vga.signalType = NOX_SIGNAL_CRT;
    vga.connector = 1;
    vga.edid = demoEdid("crt");
    displays.push_back(vga);

    primaryAdapter = 0;
    logger = noxSimDemoLogger();
    m_loaded = true;
}
