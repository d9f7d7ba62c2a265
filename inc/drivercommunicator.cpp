#include "drivercommunicator.h"

#include "vyrpcsbinding.h"

#include <QByteArray>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <cstring>

namespace {

// The buffer the store copies strings and raw values into.
constexpr uint32_t kValueBufferSize = 4096;

// Location under which keys are written and deleted.
const char kWriteLocation[] = "MCIL";

// An X connection to the default display, closed when the object goes.
class XConnection
{
public:
    XConnection()
        : m_display(XOpenDisplay(nullptr))
    {}
    ~XConnection()
    {
        if (m_display != nullptr)
            XCloseDisplay(m_display);
    }
    XConnection(const XConnection &) = delete;
    XConnection &operator=(const XConnection &) = delete;

    Display *display() const { return m_display; }

private:
    Display *m_display;
};

// A store session over a (possibly null) X connection, closed when the object goes.
class PcsSession
{
public:
    explicit PcsSession(Display *display)
    {
        const VyrPcsBinding &pcs = VyrPcsBinding::instance();
        m_open = pcs.isBound() && pcs.openX11()(&m_handle, display) == 0;
    }
    ~PcsSession()
    {
        if (m_open)
            VyrPcsBinding::instance().close()(m_handle);
    }
    PcsSession(const PcsSession &) = delete;
    PcsSession &operator=(const PcsSession &) = delete;

    bool isOpen() const { return m_open; }
    VyrPcsBinding::Handle handle() const { return m_handle; }

private:
    VyrPcsBinding::Handle m_handle = nullptr;
    bool m_open = false;
};

// Catches the X protocol errors of one connection while it lives, so that a request
// the server rejects is reported to the caller instead of ending the process through
// Xlib's default handler. Errors of other connections go to the handler that was in
// place before.
class XErrorTrap
{
public:
    explicit XErrorTrap(Display *display)
    {
        s_display = display;
        s_caught = false;
        s_previous = XSetErrorHandler(&XErrorTrap::handle);
    }
    ~XErrorTrap()
    {
        XSetErrorHandler(s_previous);
        s_display = nullptr;
        s_previous = nullptr;
    }
    XErrorTrap(const XErrorTrap &) = delete;
    XErrorTrap &operator=(const XErrorTrap &) = delete;

    // Waits until the server has handled every request sent so far, then tells
    // whether any of them failed.
    bool caughtError() const
    {
        XSync(s_display, False);
        return s_caught;
    }

private:
    static int handle(Display *display, XErrorEvent *event)
    {
        if (display == s_display) {
            s_caught = true;
            return 0;
        }
        return s_previous != nullptr ? s_previous(display, event) : 0;
    }

    static Display *s_display;
    static bool s_caught;
    static XErrorHandler s_previous;
};

Display *XErrorTrap::s_display = nullptr;
bool XErrorTrap::s_caught = false;
XErrorHandler XErrorTrap::s_previous = nullptr;

} // namespace

DriverCommunicator::DriverCommunicator(AppLoggerInfo *loggerInfo)
    : NoxInterface(loggerInfo)
{}

DriverCommunicator::DriverCommunicator(AppLoggerInfo *loggerInfo, const QStringList &libraryFiles)
    : NoxInterface(loggerInfo, libraryFiles)
{}

DriverCommunicator::~DriverCommunicator() = default;

void DriverCommunicator::GetLocationAndName(const QString &key, QString &location, QString &name)
{
    const QString root = tr("VYRPCSROOT/SYSTEM/");
    const int rootAt = key.lastIndexOf(root);
    if (rootAt < 0)
        return;
    const QString rest = key.mid(rootAt + root.size());

    const QString group = QStringLiteral("MCIL/");
    const int groupAt = rest.lastIndexOf(group);
    if (groupAt >= 0) {
        const int cut = groupAt + group.size();
        location = rest.left(cut);
        name = rest.mid(cut).replace(QLatin1Char('/'), QLatin1Char('\\'));
        return;
    }
    const int slashAt = rest.lastIndexOf(QLatin1Char('/'));
    if (slashAt >= 0) {
        location = rest.left(slashAt + 1);
        name = rest.mid(slashAt + 1);
    }
}

QVariant DriverCommunicator::GetKeyValueLinux(QString key)
{
    QVariant result;
    const XConnection x;
    if (x.display() == nullptr)
        printLog(AppLogError, tr("Error opening X Display"));

    const PcsSession session(x.display());
    if (!session.isOpen()) {
        printLog(AppLogError, tr("Error opening PCS"));
        return result;
    }

    QString location;
    QString name;
    GetLocationAndName(key, location, name);
    if (location.isEmpty() || name.isEmpty())
        return result;
    const QByteArray locationBytes = location.toLatin1();
    const QByteArray nameBytes = name.toLatin1();

    const VyrPcsBinding &pcs = VyrPcsBinding::instance();
    int type = 0;
    if (pcs.getDataType()(session.handle(), 0, locationBytes.constData(), nameBytes.constData(),
                          &type)
        != 0)
        printLog(AppLogError, tr("Error reading value %1").arg(key));

    switch (type) {
    case 1: {
        uint32_t value = 0;
        if (pcs.getU32()(session.handle(), 0, locationBytes.constData(), nameBytes.constData(),
                         &value)
            == 0)
            result = QVariant(static_cast<uint>(value));
        break;
    }
    case 2:
        printLog(AppLogInfo, tr("%1 is U32Array").arg(key));
        break;
    case 3: {
        char buffer[kValueBufferSize] = {};
        uint32_t length = 0;
        if (pcs.getStr()(session.handle(), 0, locationBytes.constData(), nameBytes.constData(),
                         kValueBufferSize, buffer, &length)
            == 0) {
            // The text ends at the first zero byte within the bytes returned.
            const size_t size = std::min<size_t>(length, kValueBufferSize);
            const void *zero = std::memchr(buffer, 0, size);
            const size_t textSize =
                zero != nullptr ? static_cast<size_t>(static_cast<const char *>(zero) - buffer)
                                : size;
            result = QString::fromLatin1(buffer, static_cast<int>(textSize));
        }
        break;
    }
    case 4: {
        unsigned char buffer[kValueBufferSize] = {};
        uint32_t length = 0;
        if (pcs.getRaw()(session.handle(), 0, locationBytes.constData(), nameBytes.constData(),
                         kValueBufferSize, buffer, &length)
            == 0) {
            const size_t size = std::min<size_t>(length, kValueBufferSize);
            result = QByteArray(reinterpret_cast<const char *>(buffer), static_cast<int>(size));
        }
        break;
    }
    case 5:
        printLog(AppLogInfo, tr("%1 is BOOL").arg(key));
        break;
    default:
        printLog(AppLogInfo, tr("%1 is NONE").arg(key));
        break;
    }
    return result;
}

bool DriverCommunicator::SetKeyValueLinux(QString key, QVariant value)
{
    // Without an X connection the call fails; the store is then not touched, so a
    // false answer always means that nothing was written.
    const XConnection x;
    if (x.display() == nullptr)
        return false;
    const PcsSession session(x.display());
    if (!session.isOpen())
        return false;
    const QByteArray name = key.toLatin1();
    return VyrPcsBinding::instance().setU32()(session.handle(), 0, kWriteLocation, name.constData(),
                                              value.toUInt())
           == 0;
}

bool DriverCommunicator::DeleteKeyLinux(QString key)
{
    const XConnection x;
    if (x.display() == nullptr)
        return false;
    const PcsSession session(x.display());
    if (!session.isOpen())
        return false;
    const QByteArray name = key.toLatin1();
    return VyrPcsBinding::instance().deleteKey()(session.handle(), 0, kWriteLocation,
                                                 name.constData())
           == 0;
}

bool DriverCommunicator::DisplayGetModeList(int adapter, int *count, QList<DeviceModeInfo> *list)
{
    if (list != nullptr)
        list->clear();
    int localCount = 0;
    int *modeCount = count != nullptr ? count : &localCount;
    NOXMode *modes = nullptr;
    if (!pri_DisplayGetModeList(adapter, modeCount, &modes))
        return false;
    if (modes != nullptr && list != nullptr) {
        for (int i = 0; i < *modeCount; ++i) {
            DeviceModeInfo info;
            info.Update(modes[i]);
            list->append(info);
        }
    }
    NoxMemmoryFree(modes);
    return true;
}

bool DriverCommunicator::DisplayGetCurrentMode(int adapter, int display, int *count,
                                               DeviceModeInfo *mode)
{
    int localCount = 0;
    int *modeCount = count != nullptr ? count : &localCount;
    NOXMode *modes = nullptr;
    if (!pri_DisplayGetCurrentMode(adapter, display, modeCount, &modes))
        return false;
    if (*modeCount <= 0 || modes == nullptr || mode == nullptr) {
        NoxMemmoryFree(modes);
        return false;
    }
    DeviceModeInfo current;
    current.Update(modes[0]);
    mode->xRes = current.xRes;
    mode->yRes = current.yRes;
    mode->colourDepth = current.colourDepth;
    mode->refreshRate = current.refreshRate;
    NoxMemmoryFree(modes);
    return true;
}

bool DriverCommunicator::DisplaySetMode(int adapter, int display, int flags, DeviceModeInfo *mode)
{
    // The X screen is set as a whole; adapter, display and flags do not select anything.
    Q_UNUSED(adapter)
    Q_UNUSED(display)
    Q_UNUSED(flags)

    const XConnection x;
    Display *dpy = x.display();
    if (dpy == nullptr || mode == nullptr)
        return false;
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(dpy, &eventBase, &errorBase))
        return false;

    const int screen = 0;
    const Window root = RootWindow(dpy, screen);
    XRRScreenConfiguration *config = XRRGetScreenInfo(dpy, root);
    if (config == nullptr)
        return false;

    bool result = false;
    int sizeCount = 0;
    const XRRScreenSize *sizes = XRRSizes(dpy, screen, &sizeCount);
    Rotation rotation = 0;
    XRRConfigCurrentConfiguration(config, &rotation);

    int sizeIndex = -1;
    for (int i = 0; sizes != nullptr && i < sizeCount; ++i) {
        if (sizes[i].width == mode->xRes && sizes[i].height == mode->yRes) {
            sizeIndex = i;
            break;
        }
    }
    if (sizeIndex >= 0) {
        // Only a rate the server lists for that size is asked for: anything else is a
        // protocol error.
        int rateCount = 0;
        const short *rates = XRRRates(dpy, screen, sizeIndex, &rateCount);
        bool rateListed = false;
        for (int i = 0; rates != nullptr && i < rateCount; ++i)
            rateListed = rateListed || rates[i] == mode->refreshRate;
        if (rateListed) {
            const XErrorTrap trap(dpy);
            const Status status = XRRSetScreenConfigAndRate(
                dpy, config, root, static_cast<SizeID>(sizeIndex), rotation,
                static_cast<short>(mode->refreshRate), CurrentTime);
            result = !trap.caughtError() && status == RRSetConfigSuccess;
        }
    }
    XRRFreeScreenConfigInfo(config);
    return result;
}
