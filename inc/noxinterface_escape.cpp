// Driver escapes of NoxInterface: the escape frame, the direct escape queries, the
// test-harness functions and the driver logger commands.

#include "noxinterface.h"

#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// A zero-filled payload of 32-bit words (little-endian, as the driver expects).
class Payload
{
public:
    explicit Payload(size_t bytes)
        : m_bytes(static_cast<int>(bytes), '\0')
    {}
    void setWord(size_t index, uint32_t value)
    {
        qToLittleEndian<quint32>(value, m_bytes.data() + index * 4);
    }
    void setBytes(size_t offset, const void *data, size_t size)
    {
        if (data && size)
            std::memcpy(m_bytes.data() + offset, data, size);
    }
    const void *data() const { return m_bytes.constData(); }
    unsigned long size() const { return static_cast<unsigned long>(m_bytes.size()); }

private:
    QByteArray m_bytes;
};

// Word index of a record of little-endian 32-bit words.
uint32_t recordWord(const void *record, size_t index)
{
    return qFromLittleEndian<quint32>(static_cast<const char *>(record) + index * 4);
}

void setRecordWord(void *record, size_t index, uint32_t value)
{
    qToLittleEndian<quint32>(value, static_cast<char *>(record) + index * 4);
}

unsigned u(int value)
{
    return static_cast<unsigned>(value);
}

// Payload of a test-harness function whose words 0 to 2 hold the payload size, the
// function code and the addressed adapter or display.
Payload harnessPayload(size_t bytes, uint32_t function, int index)
{
    Payload payload(bytes);
    payload.setWord(0, static_cast<uint32_t>(bytes));
    payload.setWord(1, function);
    payload.setWord(2, static_cast<uint32_t>(index));
    return payload;
}

// Payload of a product command: header words with the function code and index,
// the command and the input size in words 4 and 5, then the input.
Payload pellPayload(uint32_t function, uint32_t index, PellCommand command, const void *input,
                    unsigned long inputSize)
{
    Payload payload(inputSize + 24);
    payload.setWord(0, 16);
    payload.setWord(1, function);
    payload.setWord(2, index);
    payload.setWord(4, command);
    payload.setWord(5, static_cast<uint32_t>(inputSize));
    if (input)
        payload.setBytes(24, input, inputSize);
    return payload;
}

// Logs message and the result text (an error when the result is not 0); true on 0.
bool logResult(NoxInterface &nox, int result, const QString &message)
{
    nox.printLog(result ? AppLogError : AppLogInfo,
                 message + NoxInterface::TranslateNoxErrorCode(result));
    return result == 0;
}

} // namespace

// ---- escape frame ------------------------------------------------------------------------

int NoxInterface::Escape(int adapter, int display, unsigned long escapeCode,
                         unsigned long inputSize, const void *input, unsigned long outputSize,
                         void *output)
{
    if ((inputSize != 0 && !input) || (outputSize != 0 && !output))
        return NOX_ERR_INVALID_PARAM_SIZE;
    if (!m_initialized || !entry<NoxSlot::Send>())
        return NOX_ERR_NOT_INIT;
    // The record carries both sizes as 32-bit ints.
    if (inputSize > static_cast<unsigned long>(INT_MAX) - sizeof(NOXEscapeHeader)
        || outputSize > static_cast<unsigned long>(INT_MAX))
        return NOX_ERR_INVALID_PARAM_SIZE;

    const size_t frameSize = inputSize + sizeof(NOXEscapeHeader);
    auto *frame = static_cast<unsigned char *>(std::malloc(frameSize));
    if (!frame)
        return NOX_ERR_NULL_POINTER;
    std::memset(frame, 0, frameSize);
    NOXEscapeHeader header;
    header.ulSize = static_cast<uint32_t>(frameSize);
    header.ulEscapeCode = static_cast<uint32_t>(escapeCode);
    header.ulDisplay = static_cast<uint32_t>(display);
    header.ulReserved = 0;
    std::memcpy(frame, &header, sizeof(header));
    if (inputSize)
        std::memcpy(frame + sizeof(header), input, inputSize);

    NOXEscapeCall call;
    std::memset(&call, 0, sizeof(call));
    call.iAdapterIndex = adapter;
    call.iInputSize = static_cast<int>(frameSize);
    call.pInput = frame;
    call.iOutputSize = static_cast<int>(outputSize);
    call.pOutput = output;
    const int result = entry<NoxSlot::Send>()(&call);
    std::free(frame);
    return result;
}

int NoxInterface::sendTestHarness(int adapter, unsigned long escapeCode, int displayField,
                                  const void *payload, unsigned long payloadSize, void *output,
                                  unsigned long outputSize)
{
    return Escape(adapter, displayField, escapeCode, payloadSize, payload, outputSize, output);
}

bool NoxInterface::directEscape(int adapter, int displayField, unsigned long escapeCode,
                                void *record, unsigned long recordSize, bool sizeWord,
                                bool nullTest, const QString &message)
{
    if (nullTest && !record)
        return false;
    if (record) {
        std::memset(record, 0, recordSize);
        if (sizeWord)
            setRecordWord(record, 0, static_cast<uint32_t>(recordSize));
    }
    const int result = Escape(adapter, displayField, escapeCode, 0, nullptr, recordSize, record);
    if (!message.isEmpty())
        printLog(result ? AppLogError : AppLogInfo, message + TranslateNoxErrorCode(result));
    return result == 0;
}

// ---- test-harness calls ---------------------------------------------------------------------

bool NoxInterface::LoggerTestHarnessCall(int adapter, LoggerCommand command, const void *input,
                                         unsigned long inputSize, void *output,
                                         unsigned long outputSize)
{
    if (inputSize > INT_MAX / 2)
        return false;
    Payload payload(inputSize + 20);
    payload.setWord(0, 16);
    payload.setWord(1, ZOVRETH_DRIVER_LOGGER);
    payload.setWord(4, command);
    if (input)
        payload.setBytes(20, input, inputSize);
    return sendTestHarness(adapter, NOX_ESC_ADAPTER_TEST_HARNESS, adapter, payload.data(),
                           payload.size(), output, outputSize)
           == 0;
}

bool NoxInterface::PellAdapterTestHarnessCall(int adapter, unsigned long value, PellCommand command,
                                              const void *input, unsigned long inputSize,
                                              void *output, unsigned long outputSize)
{
    if (inputSize > INT_MAX / 2)
        return false;
    const Payload payload = pellPayload(ZOVRETH_PELL_ADAPTER_COMMAND, static_cast<uint32_t>(value),
                                        command, input, inputSize);
    return sendTestHarness(adapter, NOX_ESC_ADAPTER_TEST_HARNESS, adapter, payload.data(),
                           payload.size(), output, outputSize)
           == 0;
}

bool NoxInterface::PellDisplayTestHarnessCall(int adapter, int display, PellCommand command,
                                              const void *input, unsigned long inputSize,
                                              void *output, unsigned long outputSize)
{
    if (inputSize > INT_MAX / 2)
        return false;
    const Payload payload = pellPayload(ZOVRETH_PELL_DISPLAY_COMMAND,
                                        static_cast<uint32_t>(display), command, input, inputSize);
    return sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS, display, payload.data(),
                           payload.size(), output, outputSize)
           == 0;
}

bool NoxInterface::DpTestHarnessCall(int adapter, int display, unsigned long functionId,
                                     const void *input, unsigned long inputSize, void *output,
                                     unsigned long outputSize)
{
    // The 96-byte payload holds at most 76 input bytes; more is refused unsent.
    if (inputSize > NOX_DP_COMMAND_MAX_INPUT)
        return false;
    Payload payload(96);
    payload.setWord(0, static_cast<uint32_t>(inputSize + 16));
    payload.setWord(1, ZOVRETH_DISPLAY_DPCOMMAND);
    payload.setWord(4, static_cast<uint32_t>(functionId));
    if (input)
        payload.setBytes(20, input, inputSize);
    const int result = sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS, display,
                                       payload.data(), payload.size(), output, outputSize);
    if (result != 0) {
        printLog(
            AppLogError,
            QString::asprintf("DriverCommunicator::DpTestHarnessCall:  CALL FAILED ON DEVICE %d "
                              "DISPLAY INDEX %d THFunctionCode = ZOVRETH_DISPLAY_DPCOMMAND, "
                              "DP FunctionId = %X - ",
                              adapter, display, static_cast<unsigned>(functionId))
                + TranslateNoxErrorCode(result));
    }
    return result == 0;
}

bool NoxInterface::DpMstTestHarnessCall(int adapter, int display, DPMstTestCommand command,
                                        const void *input, unsigned long inputSize, void *output,
                                        unsigned long outputSize)
{
    if (inputSize > INT_MAX / 2)
        return false;
    Payload payload(inputSize + 20);
    payload.setWord(0, static_cast<uint32_t>(inputSize + 20));
    payload.setWord(1, ZOVRETH_DISPLAY_DPMSTCOMMAND);
    payload.setWord(4, command);
    if (input)
        payload.setBytes(20, input, inputSize);
    const int result = sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS, display,
                                       payload.data(), payload.size(), output, outputSize);
    if (result != 0) {
        printLog(
            AppLogError,
            QString::asprintf("DriverCommunicator::DpMstTestHarnessCall:  CALL FAILED ON DEVICE %d "
                              "DISPLAY INDEX %d THFunctionCode = ZOVRETH_DISPLAY_DPMSTCOMMAND, "
                              "DP FunctionId = %X - ",
                              adapter, display, static_cast<unsigned>(command))
                + TranslateNoxErrorCode(result));
        return false;
    }
    return true;
}

bool NoxInterface::DpMstTestHarnessCall2(int adapter, int display, DPMstTestCommand command,
                                         const void *input, unsigned long inputSize, void *output,
                                         unsigned long outputSize)
{
    return DpMstTestHarnessCall(adapter, display, command, input, inputSize, output, outputSize);
}

// ---- direct escapes ---------------------------------------------------------------------------

bool NoxInterface::AdapterGetCaps(int adapter, tagADAPTERCAPS *caps)
{
    return directEscape(
        adapter, 0, NOX_ESC_ADAPTER_CAPS, caps, sizeof(tagADAPTERCAPS), true, true,
        QString::asprintf("DriverCommunicator::AdapterGetCaps:  ADAPTER %u - ", u(adapter)));
}

bool NoxInterface::AdapterGetInfo(int adapter, tagADAPTERINFO *info)
{
    return directEscape(
        adapter, 2, NOX_ESC_ADAPTER_INFO, info, sizeof(tagADAPTERINFO), true, true,
        QString::asprintf("DriverCommunicator::AdapterGetInfo:  ADAPTER %u  - ", u(adapter)));
}

bool NoxInterface::AdapterGetCrtcOwned(int adapter, tagCRTCOWNED *owned)
{
    return directEscape(
        adapter, 0, NOX_ESC_ADAPTER_CRTC_OWNED, owned, sizeof(tagCRTCOWNED), true, true,
        QString::asprintf("DriverCommunicator::AdapterGetCrtcOwned:  ADAPTER %u - ", u(adapter)));
}

bool NoxInterface::ControllerGetMode(int adapter, int controller, tagCONTROLLERMODE *mode)
{
    return directEscape(
        adapter, controller, NOX_ESC_CONTROLLER_MODE, mode, sizeof(tagCONTROLLERMODE), true, true,
        QString::asprintf("DriverCommunicator::ControllerGetMode:  ADAPTER %u CONTROLLER %u - ",
                          u(adapter), u(controller)));
}

bool NoxInterface::ControllerGetTimingData(int adapter, int controller,
                                           tagCONTROLLERTIMINGDATA *timing)
{
    return directEscape(
        adapter, controller, NOX_ESC_CONTROLLER_TIMING_DATA, timing,
        sizeof(tagCONTROLLERTIMINGDATA), true, true,
        QString::asprintf(
            "DriverCommunicator::ControllerGetTimingData:  ADAPTER %u CONTROLLER %u - ", u(adapter),
            u(controller)));
}

bool NoxInterface::DisplayGetDescriptor(int adapter, int display,
                                        tagDI_DISPLAYOUTPUTDESCRIPTOR *descriptor)
{
    // The whole 96-byte record the escape returns.
    return directEscape(
        adapter, display, NOX_ESC_DISPLAY_OUTPUT_DESCRIPTOR, descriptor,
        sizeof(tagDI_DISPLAYOUTPUTDESCRIPTOR), false, true,
        QString::asprintf("DriverCommunicator::DisplayGetDescriptor:  ADAPTER %u CONTROLLER %u - ",
                          u(adapter), u(display)));
}

bool NoxInterface::DisplayGetDdcInfoEx(int adapter, int display, tagDISPLAYDDCINFOEX *info)
{
    return directEscape(
        adapter, display, NOX_ESC_DISPLAY_DDC_INFO, info, sizeof(tagDISPLAYDDCINFOEX), true, true,
        QString::asprintf("DriverCommunicator::DisplayGetDdcInfo:  ADAPTER %u DISPLAY %u - ",
                          u(adapter), u(display)));
}

bool NoxInterface::DisplayGetUnderscanInfo(int adapter, int display, tagUNDERSCANINFO *info)
{
    return directEscape(
        adapter, display, NOX_ESC_DISPLAY_UNDERSCAN_INFO, info, sizeof(tagUNDERSCANINFO), false,
        false,
        QString::asprintf("DriverCommunicator::DisplayGetUnderscanInfo:  ADAPTER %u DISPLAY %u - ",
                          u(adapter), u(display)));
}

bool NoxInterface::AdapterGetAsicId(int adapter, tagCIASICID *asicId)
{
    return directEscape(
        adapter, 0, NOX_ESC_ASIC_ID, asicId, sizeof(tagCIASICID), true, true,
        QString::asprintf("DriverCommunicator::AdapterGetAsicId:  ADAPTER %u - ", u(adapter)));
}

bool NoxInterface::DisplayGetTileConfig(int adapter, int display, tagDI_DISPLAYTILE_CONFIG *config)
{
    return directEscape(adapter, display, NOX_ESC_DISPLAY_TILE_CONFIG, config,
                        sizeof(tagDI_DISPLAYTILE_CONFIG), true, true, QString());
}

// ---- adjustments --------------------------------------------------------------------------------

bool NoxInterface::DisplayGetAdjustmentData(int adapter, int display, unsigned long adjustmentId,
                                            int *value)
{
    if (!value)
        return false;
    const uint32_t input[4] = {16, static_cast<uint32_t>(adjustmentId), 0, 0};
    uint32_t output[2] = {8, 0};
    const int result = Escape(adapter, display, NOX_ESC_DISPLAY_ADJUSTMENT_GET, sizeof(input),
                              input, sizeof(output), output);
    if (result != 0) {
        printLog(AppLogError,
                 QString::asprintf(
                     "DriverCommunicator::DisplayGetAdjustmentData:  CALL FAILED ON DEVICE %d  - ",
                     adapter)
                     + TranslateNoxErrorCode(result));
        return false;
    }
    *value = static_cast<int>(output[1]);
    return true;
}

bool NoxInterface::DisplaySetAdjustmentData(int adapter, int display, unsigned long adjustmentId,
                                            int value)
{
    const uint32_t input[4] = {16, static_cast<uint32_t>(adjustmentId),
                               static_cast<uint32_t>(value), 0};
    const int result =
        Escape(adapter, display, NOX_ESC_DISPLAY_ADJUSTMENT_SET, sizeof(input), input, 0, nullptr);
    if (result != 0) {
        printLog(AppLogError,
                 QString::asprintf(
                     "DriverCommunicator::DisplaySetAdjustmentData:  CALL FAILED ON DEVICE %d  - ",
                     adapter)
                     + TranslateNoxErrorCode(result));
    }
    return result == 0;
}

namespace {

// Asks for the description of an adjustment in a record that starts with its size word.
template <typename Info>
bool adjustmentInfo(NoxInterface &nox, int adapter, int display, unsigned long adjustmentId,
                    Info *info)
{
    if (!info)
        return false;
    std::memset(info, 0, sizeof(*info));
    info->ulSize = sizeof(*info);
    const uint32_t input[4] = {16, static_cast<uint32_t>(adjustmentId), 0, 0};
    const int result = nox.Escape(adapter, display, NOX_ESC_DISPLAY_ADJUSTMENT_INFO, sizeof(input),
                                  input, sizeof(*info), info);
    if (result != 0)
        nox.printLog(
            AppLogError,
            QString::asprintf(
                "DriverCommunicator::DisplayGetAdjustmentInfoEx:  CALL FAILED ON DEVICE %d  - ",
                adapter)
                + NoxInterface::TranslateNoxErrorCode(result));
    return result == 0;
}

} // namespace

bool NoxInterface::DisplayGetAdjustmentInfoEx(int adapter, int display, unsigned long adjustmentId,
                                              tagDI_ADJUSTMENTINFOEX *info)
{
    return adjustmentInfo(*this, adapter, display, adjustmentId, info);
}

bool NoxInterface::DisplayGetAdjustmentInfo(int adapter, int display, unsigned long adjustmentId,
                                            tagDISPLAYADJUSTMENTINFO *info)
{
    return adjustmentInfo(*this, adapter, display, adjustmentId, info);
}

// ---- native AUX, MST sink, DDC block ----------------------------------------------------------

bool NoxInterface::DisplayAccessNativeAux(int adapter, int display,
                                          const tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA *input,
                                          tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA *output)
{
    printLog(
        AppLogInfo,
        QString::asprintf("DriverCommunicator::DisplayAccessNativeAux - To Adapter %u, Display %u",
                          u(adapter), u(display)));
    const int result =
        Escape(adapter, display, NOX_ESC_DISPLAY_NATIVE_AUX,
               sizeof(tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA), input,
               output ? sizeof(tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA) : 0, output);
    if (result != 0) {
        printLog(AppLogError, QString::asprintf("DriverCommunicator::DisplayAccessNativeAux:  CALL "
                                                "FAILED ON ADAPTER %u  DISPLAY %u - ",
                                                u(adapter), u(display))
                                  + TranslateNoxErrorCode(result));
    }
    return result == 0;
}

bool NoxInterface::DisplayGetMstDeviceInfo(int adapter, int display, tagDI_MST_SINK_INFO *info)
{
    printLog(
        AppLogInfo,
        QString::asprintf("DriverCommunicator::DisplayGetMstDeviceInfo - To Adapter %u, Display %u",
                          u(adapter), u(display)));
    if (info) {
        std::memset(info, 0, sizeof(*info));
        info->ulSize = sizeof(*info);
    }
    const int result = Escape(adapter, display, NOX_ESC_DISPLAY_MST_SINK_INFO, 0, nullptr,
                              sizeof(tagDI_MST_SINK_INFO), info);
    if (result != 0) {
        printLog(AppLogError,
                 QString::asprintf(
                     "DriverCommunicator::DisplayAccessNativeAux:  CALL FAILED ON DEVICE %d  - ",
                     adapter)
                     + TranslateNoxErrorCode(result));
    }
    return result == 0;
}

bool NoxInterface::DdcBlockAccess(int adapter, int display, const void *input,
                                  unsigned long inputSize, void *output, unsigned long outputSize)
{
    tagDDCBLOCKACCESSINPUT request;
    std::memset(&request, 0, sizeof(request));
    request.ulSize = sizeof(request);
    request.ulCommand = 5;
    // Never claim more write bytes than the record carries.
    const size_t writeSize = input ? std::min<unsigned long>(inputSize, sizeof(request.ucData)) : 0;
    request.ulWriteSize = static_cast<uint32_t>(writeSize);
    if (writeSize)
        std::memcpy(request.ucData, input, writeSize);
    request.ulReadSize = static_cast<uint32_t>(std::min<unsigned long>(outputSize, UINT32_MAX));
    tagDDCBLOCKACCESSOUTPUT reply;
    std::memset(&reply, 0, sizeof(reply));
    reply.ulSize = sizeof(reply);
    if (Escape(adapter, display, NOX_ESC_DISPLAY_DDC_BLOCK_ACCESS, sizeof(request), &request,
               sizeof(reply), &reply)
        != 0)
        return false;
    // Copy no more than fits the caller's buffer and the reply's data area.
    const size_t length = std::min<size_t>(
        {static_cast<size_t>(outputSize), reply.ulReturnedLength, sizeof(reply.ucData)});
    if (output && length)
        std::memcpy(output, reply.ucData, length);
    return true;
}

// ---- test-harness functions -----------------------------------------------------------------

bool NoxInterface::THDisplayMeasureTimingsDelta(int adapter, unsigned long firstValue,
                                                unsigned long secondValue,
                                                tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT *output)
{
    Payload payload = harnessPayload(40, ZOVRETH_MEASURE_TIMINGS_DELTA, adapter);
    payload.setWord(4, 24);
    payload.setWord(5, static_cast<uint32_t>(firstValue));
    payload.setWord(6, static_cast<uint32_t>(secondValue));
    const int result =
        sendTestHarness(adapter, NOX_ESC_ADAPTER_TEST_HARNESS, adapter, payload.data(),
                        payload.size(), output, sizeof(tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT));
    return logResult(
        *this, result,
        QString::asprintf("DriverCommunicator::THDisplayMeasureTimingsDelta:  ADAPTER %u - ",
                          u(adapter)));
}

bool NoxInterface::DisplayTestHarnessStereo3DControl(int adapter, int display,
                                                     const tagZOVRETH_STEREO3D_CONTROL_INPUT *input)
{
    Payload payload = harnessPayload(80, ZOVRETH_STEREO3D_CONTROL, display);
    payload.setBytes(16, input, sizeof(tagZOVRETH_STEREO3D_CONTROL_INPUT));
    const int result = sendTestHarness(adapter, NOX_ESC_ADAPTER_TEST_HARNESS, display,
                                       payload.data(), payload.size(), nullptr, 0);
    return logResult(
        *this, result,
        QString::asprintf(
            "DriverCommunicator::DisplayTestHarnessStereo3DControl:  ADAPTER %u DISPLAY %u - ",
            u(adapter), u(display)));
}

bool NoxInterface::THDisplaySetupSynchronization(int adapter, int display,
                                                 const tagZOVRETH_DISPLAY_SETUP_SYNC_DATA *data)
{
    Payload payload = harnessPayload(88, ZOVRETH_DISPLAY_SETUP_SYNC, display);
    payload.setBytes(16, data, sizeof(tagZOVRETH_DISPLAY_SETUP_SYNC_DATA));
    const int result = sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS, display,
                                       payload.data(), payload.size(), nullptr, 0);
    return logResult(
        *this, result,
        QString::asprintf(
            "DriverCommunicator::THDisplaySetupSynchronization:  ADAPTER %u DISPLAY %u - ",
            u(adapter), u(display)));
}

bool NoxInterface::THDisplayGetSyncStatus(int adapter, int display,
                                          tagZOVRETH_DISPLAY_SYNC_STATUS *status)
{
    const Payload payload = harnessPayload(16, ZOVRETH_DISPLAY_GET_SYNC_STATUS, display);
    const int result =
        sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS, display, payload.data(),
                        payload.size(), status, sizeof(tagZOVRETH_DISPLAY_SYNC_STATUS));
    return logResult(*this, result,
                     QString::asprintf("DriverCommunicator::THDisplayGetSyncStatus:  ADAPTER %u - ",
                                       u(adapter)));
}

bool NoxInterface::DisplayTestHarnessStereoStatusRefresh(int adapter, int display,
                                                         tagZOVRETH_DISPLAY_STEREO3D_INFO *info)
{
    if (!info)
        return false;
    const Payload payload = harnessPayload(16, ZOVRETH_DISPLAY_STEREO_STATUS_REFRESH, display);
    // The record says how much the driver may fill; never more than the record.
    const unsigned long size = std::min<unsigned long>(info->ulSize, sizeof(*info));
    const int result = sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS, display,
                                       payload.data(), payload.size(), info, size);
    return logResult(
        *this, result,
        QString::asprintf(
            "DriverCommunicator::DisplayTestHarnessStereoStatusRefresh:  ADAPTER %u DISPLAY %u - ",
            u(adapter), u(display)));
}

bool NoxInterface::DisplaySendPsrCommand(int adapter, int display,
                                         const tagZOVRETH_PSR_INPUT &input,
                                         tagZOVRETH_PSR_OUTPUT *output)
{
    if (!output)
        return false;
    Payload payload(96);
    payload.setWord(0, 16);
    payload.setWord(1, ZOVRETH_DISPLAY_PSRCOMMAND);
    payload.setBytes(16, &input, 80);
    output->ulVersion = 3;
    const int result = sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS,
                                       static_cast<int>(input.ulDisplayIndex), payload.data(),
                                       payload.size(), output, sizeof(tagZOVRETH_PSR_OUTPUT));
    if (result != 0) {
        printLog(
            AppLogError,
            QString::asprintf(
                "NoxInterface::DisplaySendPsrCommand: Escape Failed: Device [%d], Display [%d], "
                "THFunctionCode = ZOVRETH_DISPLAY_PSRCOMMAND ",
                adapter, display)
                + TranslateNoxErrorCode(result));
    }
    return result == 0;
}

bool NoxInterface::DisplaySetPanelFormat(int adapter, int display, unsigned long value, bool enable)
{
    Payload payload(28);
    payload.setWord(0, 28);
    payload.setWord(1, ZOVRETH_DISPLAY_FORCE_PANELFORMAT);
    payload.setWord(4, 12);
    payload.setWord(5, value == 0 ? 0u : (enable ? 1u : 0u));
    payload.setWord(6, static_cast<uint32_t>(value - 1));
    const int result = sendTestHarness(adapter, NOX_ESC_DISPLAY_TEST_HARNESS, display,
                                       payload.data(), payload.size(), nullptr, 0);
    if (result != 0) {
        printLog(AppLogError,
                 QString::asprintf(
                     "DriverCommunicator::Escape:  CALL FAILED ON DEVICE %d DISPLAY INDEX %d "
                     "THFunctionCode = ZOVRETH_DISPLAY_FORCE_PANELFORMAT",
                     adapter, display)
                     + TranslateNoxErrorCode(result));
    }
    return result == 0;
}

// ---- DisplayPort test functions -------------------------------------------------------------

namespace {

// Writes the record size into word 0 of a record that carries one.
template <typename T> bool sizeRecord(T *record)
{
    if (!record)
        return false;
    setRecordWord(record, 0, sizeof(T));
    return true;
}

} // namespace

bool NoxInterface::DisplayGetLinkParams(int adapter, int display,
                                        tagZOVRETH_DPGETSETLINKPARAMS *params)
{
    if (!sizeRecord(params))
        return false;
    if (!DpTestHarnessCall(adapter, display, DP_GET_LINK_PARAMS, nullptr, 0, params,
                           sizeof(*params)))
        return false;
    printLog(
        AppLogInfo,
        QString::asprintf(
            "DriverCommunicator::DisplayGetLinkParams - Adapter %u, Display %u; LinkRate = %lu; "
            "NumberOfLinks = %lu",
            u(adapter), u(display), static_cast<unsigned long>(recordWord(params, 2)),
            static_cast<unsigned long>(recordWord(params, 1))));
    return true;
}

bool NoxInterface::DisplaySetLinkParams(int adapter, int display,
                                        tagZOVRETH_DPGETSETLINKPARAMS *params)
{
    if (!sizeRecord(params))
        return false;
    if (!DpTestHarnessCall(adapter, display, DP_SET_LINK_PARAMS, params, sizeof(*params), nullptr,
                           0))
        return false;
    LnxForceSetMode(display);
    printLog(AppLogInfo, QString::asprintf(
                             "DriverCommunicator::DisplaySetLinkParams - To Adapter %u, Display %u",
                             u(adapter), u(display)));
    return true;
}

bool NoxInterface::DisplayGetDeviceId(int adapter, int display, unsigned long *deviceId)
{
    if (!deviceId)
        return false;
    uint32_t reply[2] = {0, 0};
    if (!DpTestHarnessCall(adapter, display, DP_GET_DEVICE_ID, nullptr, 0, reply, sizeof(reply)))
        return false;
    *deviceId = reply[1];
    return true;
}

bool NoxInterface::DisplaySetupLTTest(int adapter, int display, tagZOVRETH_MESSAGES *messages)
{
    return sizeRecord(messages)
           && DpTestHarnessCall(adapter, display, DP_SETUP_LT_TEST, messages, sizeof(*messages),
                                nullptr, 0);
}

bool NoxInterface::DisplaySetTestMode(int adapter, int display,
                                      tagZOVRETH_TESTMODESETTINGS *settings)
{
    if (!sizeRecord(settings)
        || !DpTestHarnessCall(adapter, display, DP_SET_TEST_MODE, settings, sizeof(*settings),
                              nullptr, 0))
        return false;
    LnxForceSetMode(display);
    return true;
}

bool NoxInterface::DisplaySetLaneParams(int adapter, int display, tagZOVRETH_LANE_PARAMS *params)
{
    return sizeRecord(params)
           && DpTestHarnessCall(adapter, display, DP_SET_LANE_PARAMS, params, sizeof(*params),
                                nullptr, 0);
}

bool NoxInterface::DisplaySetSpreadSpectrum(int adapter, int display,
                                            tagZOVRETH_TESTMODESETTINGS *settings)
{
    return sizeRecord(settings)
           && DpTestHarnessCall(adapter, display, DP_SET_SPREAD_SPECTRUM, settings,
                                sizeof(*settings), nullptr, 0);
}

bool NoxInterface::DisplaySetDithering(int adapter, int display, tagZOVRETH_DITHERING *dithering)
{
    if (!sizeRecord(dithering))
        return false;
    const bool ok = DpTestHarnessCall(adapter, display, DP_SET_DITHERING, dithering,
                                      sizeof(*dithering), nullptr, 0);
    const char *format =
        ok ? "DriverCommunicator::DisplaySetDithering:  SET DITHERING ON DEVICE %d DISPLAY %d - "
             "ColorDepth=%lu, Mode=%lu, Pattern=%lu"
           : "DriverCommunicator::DisplaySetDithering:  FAILED TO SET DITHERING ON DEVICE %d "
             "DISPLAY %d - ColorDepth=%lu, Mode=%lu, Pattern=%lu";
    printLog(ok ? AppLogInfo : AppLogError,
             QString::asprintf(format, adapter, display,
                               static_cast<unsigned long>(dithering->ulColorDepth),
                               static_cast<unsigned long>(dithering->ulMode),
                               static_cast<unsigned long>(dithering->ulPattern)));
    return ok;
}

bool NoxInterface::DisplayGetStreamInfo(int adapter, int display, tagZOVRETH_STREAMINFO *info)
{
    return sizeRecord(info)
           && DpTestHarnessCall(adapter, display, DP_GET_STREAM_INFO, nullptr, 0, info,
                                sizeof(*info));
}

bool NoxInterface::DisplaySetDrrConfigOld(int adapter, int display, tagZOVRETH_DRRCONFIG *config)
{
    return DpTestHarnessCall(adapter, display, DP_SET_DRR_CONFIG_OLD, config,
                             sizeof(tagZOVRETH_DRRCONFIG), nullptr, 0);
}

bool NoxInterface::DisplayGetDrrStatusOld(int adapter, int display, tagZOVRETH_DRRSTATUS *status)
{
    return DpTestHarnessCall(adapter, display, DP_GET_DRR_STATUS_OLD, nullptr, 0, status,
                             sizeof(tagZOVRETH_DRRSTATUS));
}

bool NoxInterface::DisplayGetLinkInfo(int adapter, int display, tagZOVRETH_LINKINFO *info)
{
    return sizeRecord(info)
           && DpTestHarnessCall(adapter, display, DP_GET_LINK_INFO, nullptr, 0, info,
                                sizeof(*info));
}

bool NoxInterface::DisplayGetAudioTestParams(int adapter, int display,
                                             tagZOVRETH_AUDIOTESTPARAMS *params)
{
    return DpTestHarnessCall(adapter, display, DP_GET_AUDIO_TEST_PARAMS, nullptr, 0, params,
                             sizeof(tagZOVRETH_AUDIOTESTPARAMS));
}

bool NoxInterface::DisplayStartTopologyDiscovery(int adapter, int display,
                                                 tagZOVRETH_STARTTOPOLOGYDISCOVERY *params)
{
    return DpTestHarnessCall(adapter, display, DP_START_TOPOLOGY_DISCOVERY, params,
                             sizeof(tagZOVRETH_STARTTOPOLOGYDISCOVERY), nullptr, 0);
}

bool NoxInterface::DisplayProcessAuxDownMessage(int adapter, int display,
                                                const DPMstTestSidebandAuxMsgParams *params,
                                                DPMstTestSidebandAuxMsgResult *result)
{
    return DpMstTestHarnessCall2(adapter, display, DPMST_PROCESS_AUX_DOWN_MESSAGE, params,
                                 sizeof(DPMstTestSidebandAuxMsgParams), result,
                                 sizeof(DPMstTestSidebandAuxMsgResult));
}

// ---- product display commands -----------------------------------------------------------------

bool NoxInterface::GetCurrentDisplaySettings(int adapter, int display,
                                             PellGetDisplaySettingsOutput *output)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_GET_DISPLAY_SETTINGS, nullptr, 0,
                                      output, sizeof(PellGetDisplaySettingsOutput));
}

bool NoxInterface::GetDisplayPixelEncoding(int adapter, int display,
                                           PellGetPixelEncodingOutput *output)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_GET_PIXEL_ENCODING, nullptr, 0, output,
                                      sizeof(PellGetPixelEncodingOutput));
}

bool NoxInterface::SetDisplayPixelEncoding(int adapter, int display,
                                           const PellSetPixelEncodingInput *input)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_SET_PIXEL_ENCODING, input,
                                      sizeof(PellSetPixelEncodingInput), nullptr, 0);
}

bool NoxInterface::THGetCurrentControllerTiming(int adapter, int display,
                                                PellControllerTiming *output)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_GET_CONTROLLER_TIMING, nullptr, 0,
                                      output, sizeof(PellControllerTiming));
}

bool NoxInterface::THAdjustCurrentControllerTiming(int adapter, int display,
                                                   const PellControllerTiming *input)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_ADJUST_CONTROLLER_TIMING, input,
                                      sizeof(PellControllerTiming), nullptr, 0);
}

bool NoxInterface::THGetCurrentPixelClock(int adapter, int display, uint32_t *pixelClock)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_GET_PIXEL_CLOCK, nullptr, 0,
                                      pixelClock, sizeof(uint32_t));
}

bool NoxInterface::THAdjustCurrentPixelClock(int adapter, int display, const uint32_t *pixelClock)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_ADJUST_PIXEL_CLOCK, pixelClock,
                                      sizeof(uint32_t), nullptr, 0);
}

bool NoxInterface::DisplaySetDrrConfig(int adapter, int display, const PellSetDrrConfigInput *input)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_SET_DRR_CONFIG, input,
                                      sizeof(PellSetDrrConfigInput), nullptr, 0);
}

bool NoxInterface::DisplayGetDrrStatus(int adapter, int display, PellGetDrrStatusOutput *output)
{
    return PellDisplayTestHarnessCall(adapter, display, PELL_GET_DRR_STATUS, nullptr, 0, output,
                                      sizeof(PellGetDrrStatusOutput));
}

// ---- driver logger ----------------------------------------------------------------------------

bool NoxInterface::GetAdapterLoggerInfo(int adapter, LoggerInfo *info)
{
    return LoggerTestHarnessCall(adapter, LOGGER_GET_INFO, nullptr, 0, info, sizeof(LoggerInfo));
}

unsigned int NoxInterface::GetAdapterLogBufferSize(int adapter)
{
    LoggerInfo info;
    std::memset(&info, 0, sizeof(info));
    return GetAdapterLoggerInfo(adapter, &info) ? info.ulLogBufferSize : 0u;
}

unsigned long NoxInterface::GetAdapterLoggerLog(int adapter, char *buffer, unsigned long length)
{
    if (!m_initialized || !buffer || length == 0
        || length > static_cast<unsigned long>(INT_MAX) - 4)
        return 0;
    const unsigned long size = length + 4;
    QByteArray reply(static_cast<int>(size), '\0');
    setRecordWord(reply.data(), 0, static_cast<uint32_t>(length));
    if (!LoggerTestHarnessCall(adapter, LOGGER_GET_LOG, nullptr, 0, reply.data(), size))
        return 0;
    const unsigned long returned =
        std::min<unsigned long>(recordWord(reply.constData(), 0), length);
    std::memcpy(buffer, reply.constData() + 4, returned);
    return returned;
}

bool NoxInterface::AdapterForceUpdateLogger(int adapter)
{
    const LoggerForceUpdateParam param{};
    return LoggerTestHarnessCall(adapter, LOGGER_FORCE_UPDATE, &param, sizeof(param), nullptr, 0);
}

bool NoxInterface::AdapterEnumLogMajor(int adapter, const LoggerEnumMajorParam &param,
                                       LoggerMajorInfo *info)
{
    return LoggerTestHarnessCall(adapter, LOGGER_ENUM_MAJOR, &param, sizeof(param), info,
                                 sizeof(LoggerMajorInfo));
}

bool NoxInterface::AdapterEnumLogMinor(int adapter, const LoggerEnumMinorParam &param,
                                       LoggerMinorInfo *info)
{
    return LoggerTestHarnessCall(adapter, LOGGER_ENUM_MINOR, &param, sizeof(param), info,
                                 sizeof(LoggerMinorInfo));
}
