#include "noxinterface.h"

#include "apploggerinfo.h"
#include "vyrbaselogger.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cstdlib>
#include <cstring>

extern "C" void *NOX_Main_Memory_Alloc(int size)
{
    return size > 0 ? std::malloc(static_cast<size_t>(size)) : nullptr;
}

extern "C" void NOX_Main_Memory_Free(void *pointer)
{
    if (pointer)
        std::free(pointer);
}

void NOX_ZeroMemory(void *buffer, unsigned int length)
{
    if (buffer && length)
        std::memset(buffer, 0, length);
}

namespace {

// Entry-point names in lookup order, one per looked-up slot.
const char *const kEntryNames[NOX_LOOKED_UP_SLOTS] = {
#define NOX_ENTRY_NAME(name, args) #name,
    NOX_ENTRY_POINTS(NOX_ENTRY_NAME)
#undef NOX_ENTRY_NAME
};

// Binding fails when any of these is missing.
const NoxSlot kRequiredSlots[] = {
    NoxSlot::NOX_Main_Control_Create,
    NoxSlot::NOX_Main_Control_Destroy,
    NoxSlot::NOX_Adapter_NumberOfAdapters_Get,
    NoxSlot::NOX_Adapter_AdapterInfo_Get,
    NoxSlot::NOX_Display_DisplayInfo_Get,
    NoxSlot::NOX_Display_EdidData_Get,
    NoxSlot::NOX_Display_Modes_Get,
    NoxSlot::NOX_Display_Modes_Set,
    NoxSlot::NOX_Display_PossibleMode_Get,
    NoxSlot::Send,
    NoxSlot::NOX_Adapter_VideoBiosInfo_Get,
    NoxSlot::NOX_Adapter_ASICFamilyType_Get,
    NoxSlot::LnxXext_ForceSetMode,
};

// All of these present make library level 1 (audio support).
const NoxSlot kAudioSlots[] = {
    NoxSlot::NOX_Adapter_AudioChannelSplitConfiguration_Get,
    NoxSlot::NOX_Adapter_AudioChannelSplit_Enable,
    NoxSlot::NOX_Adapter_AudioChannelSplit_Disable,
    NoxSlot::NOX_Adapter_DisplayAudioInfo_Get,
    NoxSlot::NOX_Adapter_DisplayAudioEndpoint_Enable,
    NoxSlot::NOX_Adapter_DisplayAudioEndpoint_Mute,
    NoxSlot::NOX_Adapter_TarvishSupport_Get,
    NoxSlot::NOX_Adapter_DisplayGTCCaps_Get,
    NoxSlot::NOX_Adapter_DefaultAudioChannelTable_Load,
    NoxSlot::NOX_Audio_CurrentSampleRate_Get,
    NoxSlot::NOX_APO_AudioDelayAdjustmentInfo_Get,
    NoxSlot::NOX_APO_AudioDelay_Set,
};

// Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
const char *const kLibraryNames[] = {"wexnoxxx.dll", "wexnoxxy.dll", "libwexnoxxx.so"};

} // namespace

NoxInterface::NoxInterface(AppLoggerInfo *loggerInfo)
    : NoxInterface(loggerInfo, defaultLibraryFiles())
{}

NoxInterface::NoxInterface(AppLoggerInfo *loggerInfo, const QStringList &libraryFiles)
    : m_loggerInfo(loggerInfo)
    , m_libraryFiles(libraryFiles)
{
    clearSlots();
    NoxInitialize();
}

NoxInterface::~NoxInterface()
{
    if (m_initialized) {
        if (auto destroy = entry<NoxSlot::NOX_Main_Control_Destroy>())
            destroy();
    }
}

QStringList NoxInterface::defaultLibraryFiles(const QString &appDir)
{
    QStringList files;
    for (const char *name : kLibraryNames)
        files << QString::fromLatin1(name);
    QString dir = appDir;
    if (dir.isEmpty() && QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath();
    if (!dir.isEmpty())
        files << QDir(dir).filePath(QString::fromLatin1(kLibraryNames[2]));
    return files;
}

void NoxInterface::clearSlots()
{
    for (QFunctionPointer &slot : m_slots)
        slot = nullptr;
}

bool NoxInterface::NoxInitialize()
{
    // The loader object is dropped without unloading, so the library and its
    // entry points stay valid for the life of the process.
    QLibrary library;
    bool loaded = false;
    for (const QString &file : m_libraryFiles) {
        library.setFileName(file);
        if (library.load()) {
            loaded = true;
            break;
        }
    }
    if (!loaded) {
        printLog(AppLogError, QStringLiteral("NoxInterface::NoxInitialize(): Failed to load dll"));
        return false;
    }

    for (int i = 0; i < NOX_LOOKED_UP_SLOTS; ++i)
        m_slots[i] = library.resolve(kEntryNames[i]);
    const int adapterIdSlot = static_cast<int>(NoxSlot::NOX_Display_AdapterID_Get);
    if (!m_slots[adapterIdSlot])
        m_slots[adapterIdSlot] = library.resolve(NOX_ADAPTER_ID_SECOND_NAME);

    for (NoxSlot slot : kRequiredSlots) {
        if (!m_slots[static_cast<int>(slot)]) {
            library.unload();
            clearSlots();
            printLog(AppLogError,
                     QStringLiteral("NoxInterface::NoxInitialize(): Failed to load NOX dll"));
            return false;
        }
    }

    if (entry<NoxSlot::NOX_Main_Control_Create>()(NOX_Main_Memory_Alloc, 0) != 0) {
        library.unload();
        clearSlots();
        printLog(AppLogError,
                 QStringLiteral("NoxInterface::NoxInitialize(): NOX MainControlCreate Failed"));
        return false;
    }

    m_initialized = true;
    m_libraryFile = library.fileName();
    printLog(AppLogInfo, QStringLiteral("NoxInterface::NoxInitialize(): NOX Initialized"));
    bool allAudio = true;
    for (NoxSlot slot : kAudioSlots)
        allAudio = allAudio && m_slots[static_cast<int>(slot)] != nullptr;
    if (allAudio)
        m_libraryLevel = 1;
    return true;
}

bool NoxInterface::Refresh()
{
    if (!m_initialized)
        return false;
    auto refresh = entry<NoxSlot::NOX_Main_Control_Refresh>();
    return refresh && refresh() == 0;
}

int NoxInterface::GetNumberOfAdapers()
{
    if (!m_initialized)
        return 0;
    auto count = entry<NoxSlot::NOX_Adapter_NumberOfAdapters_Get>();
    if (!count)
        return 0;
    int number = 0;
    if (count(&number) != 0)
        return 0;
    return number;
}

void NoxInterface::NoxMemmoryFree(void *pointer)
{
    NOX_Main_Memory_Free(pointer);
}

QString NoxInterface::TranslateNoxErrorCode(int code)
{
    switch (code) {
    case NOX_OK_WAIT:
        return QStringLiteral("All OK, but need to wait");
    case NOX_OK_RESTART:
        return QStringLiteral("All OK, but need restart");
    case NOX_OK_MODE_CHANGE:
        return QStringLiteral("All OK but need mode change");
    case NOX_OK_WARNING:
        return QStringLiteral("All OK, but with warning");
    case NOX_ERR:
        return QStringLiteral(
            "Generic Error. Most likely one or more of the Escape calls to the driver failed!");
    case NOX_ERR_NOT_INIT:
        return QStringLiteral("NOX not initialized");
    case NOX_ERR_INVALID_PARAM:
        return QStringLiteral("One of the parameter passed is invalid");
    case NOX_ERR_INVALID_PARAM_SIZE:
        return QStringLiteral("One of the parameter size is invalid");
    case NOX_ERR_INVALID_NOX_INDEX:
        return QStringLiteral("Invalid NOX index passed");
    case NOX_ERR_INVALID_CONTROLLER_IDX:
        return QStringLiteral("Invalid controller index passed");
    case NOX_ERR_INVALID_DIPLAY_IDX:
        return QStringLiteral("Invalid display index passed");
    case NOX_ERR_NOT_SUPPORTED:
        return QStringLiteral("Function  not supported by the driver");
    case NOX_ERR_NULL_POINTER:
        return QStringLiteral("Null Pointer error");
    case NOX_ERR_DISABLED_ADAPTER:
        return QStringLiteral("Call can't be made due to disabled adapter");
    case NOX_ERR_INVALID_CALLBACK:
        return QStringLiteral("Invalid Callback");
    case NOX_ERR_RESOURCE_CONFLICT:
        return QStringLiteral("Display Resource conflict");
    default:
        break;
    }
    // A failure must never read as success.
    if (code < 0)
        return QStringLiteral("Unknown NOX error code ") + QString::number(code);
    return QStringLiteral("NOX function completed successfully");
}

void NoxInterface::printLog(AppLogType type, const QString &text)
{
    if (!m_loggerInfo || !m_loggerInfo->logger || !(m_loggerInfo->flags & 2u))
        return;
    m_loggerInfo->logger->PrintLog(type, QStringLiteral("DRIVER_COMMUNICATOR: ") + text);
}
