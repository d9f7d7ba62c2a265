// VyrDisplay: DDC/CI with the monitor (VESA DDC/CI 1.1) for its MCCS capability string and
// VCP values, and raw I2C.

#include "adapter.h"
#include "display.h"
#include "drivercommunicator.h"
#include "sleeper.h"

#include <QPointer>

#include <algorithm>
#include <cstring>

namespace {

// DDC/CI addresses (DDC/CI 1.1 section 4): the display's write address, the host's
// source address, and the display's read address.
constexpr char kDisplayAddress = 0x6E;
constexpr char kHostAddress = 0x51;
constexpr char kDisplayReadAddress = 0x6F;
// The length byte of a DDC/CI message: bit 7 set, the message length in bits 6-0.
constexpr unsigned int kLengthFlag = 0x80;

// Opcodes (MCCS 2.2 section 4 and DDC/CI 1.1 section 4.8) with their length bytes.
constexpr char kGetVcpLength = char(0x82);
constexpr char kGetVcp = 0x01;
constexpr char kSetVcpLength = char(0x84);
constexpr char kSetVcp = 0x03;
constexpr char kCapabilitiesLength = char(0x83);
constexpr char kCapabilitiesRequest = char(0xF3);

// A host waits after a request before it reads, and after a reply before the next
// request (DDC/CI 1.1 section 4.5).
constexpr unsigned long kRequestWaitMs = 40;
constexpr unsigned long kReplyWaitMs = 50;

// Get VCP Feature reply: address, length, opcode, result, code, type, maximum (2),
// current (2), checksum.
constexpr int kVcpReplyLength = 11;
constexpr int kVcpResultByte = 3;
constexpr int kVcpMaximumByte = 6;
constexpr int kVcpCurrentByte = 8;
// Capabilities reply: address, length, opcode, offset (2), up to 32 data bytes, checksum.
constexpr int kCapReplyLength = 38;
constexpr int kCapDataByte = 5;
constexpr unsigned int kCapLengthMinimum = 0x84; // one data byte
constexpr unsigned int kCapLengthBase = 0x83;    // length byte of an empty piece
constexpr unsigned long kCapPieceMaximum = 32;
// The capability string offset is a 16-bit field of the request.
constexpr unsigned long kCapOffsetMaximum = 0xFFFF;
constexpr unsigned long kCapBufferSize = 2048;
// A buffer that MccsRead accepts at all; the reply it reads must fit as well.
constexpr unsigned long kMccsReadMinimum = 40;

// The checksum a request ends with: the XOR of all its bytes, starting with the
// display's address (DDC/CI 1.1 section 4.2).
char ddcChecksum(const QByteArray &bytes)
{
    char sum = 0;
    for (const char byte : bytes)
        sum = static_cast<char>(sum ^ byte);
    return sum;
}

unsigned int byteAt(const char *bytes, int index)
{
    return static_cast<unsigned char>(bytes[index]);
}

unsigned int bigEndianWord(const char *bytes, int index)
{
    return byteAt(bytes, index) << 8 | byteAt(bytes, index + 1);
}

} // namespace

bool VyrDisplay::DdcBlockAccessGet(int line, int writeLength, char *writeData, int readLength,
                                   char *readData, int flags)
{
    if (!haveDriver())
        return false;
    int length = readLength;
    return m_communicator->DisplayDDCBlockAccess(adapterIndex(), index(), line, flags, writeLength,
                                                 writeData, &length, readData);
}

bool VyrDisplay::ddcExchange(int line, QByteArray request, int replyLength, char *reply)
{
    request.append(ddcChecksum(request));
    if (!DdcBlockAccessGet(line, request.size(), request.data(), 0, nullptr))
        return false;
    Sleeper::msleep(kRequestWaitMs);
    const bool read = DdcBlockAccessGet(line, 0, nullptr, replyLength, reply);
    Sleeper::msleep(kReplyWaitMs);
    return read;
}

bool VyrDisplay::MccsVcpGet(int line, MccsVcpCode code, unsigned int *current,
                            unsigned int *maximum)
{
    const char request[] = {kDisplayAddress, kHostAddress, kGetVcpLength, kGetVcp,
                            static_cast<char>(code)};
    char reply[kVcpReplyLength] = {};
    if (!ddcExchange(line, QByteArray(request, sizeof(request)), kVcpReplyLength, reply))
        return false;
    if (byteAt(reply, 1) <= kLengthFlag)
        return false;
    // Anything but "no error" (0x01 is "unsupported VCP code") carries no value.
    if (byteAt(reply, kVcpResultByte) != 0)
        return false;
    if (maximum != nullptr)
        *maximum = bigEndianWord(reply, kVcpMaximumByte);
    if (current != nullptr)
        *current = bigEndianWord(reply, kVcpCurrentByte);
    return true;
}

bool VyrDisplay::MccsVcpSet(int line, MccsVcpCode code, unsigned int value)
{
    QByteArray request;
    request.append(kDisplayAddress);
    request.append(kHostAddress);
    request.append(kSetVcpLength);
    request.append(kSetVcp);
    request.append(static_cast<char>(code));
    request.append(static_cast<char>((value >> 8) & 0xFF));
    request.append(static_cast<char>(value & 0xFF));
    request.append(ddcChecksum(request));
    const bool sent = DdcBlockAccessGet(line, request.size(), request.data(), 0, nullptr);
    Sleeper::msleep(kReplyWaitMs);
    return sent;
}

unsigned long VyrDisplay::mccsCapGet(int line, char *out, unsigned long size)
{
    if (out == nullptr || size < 2)
        return 0;
    unsigned long offset = 0;
    while (offset < size - 1 && offset <= kCapOffsetMaximum) {
        const char request[] = {kDisplayAddress,
                                kHostAddress,
                                kCapabilitiesLength,
                                kCapabilitiesRequest,
                                static_cast<char>((offset >> 8) & 0xFF),
                                static_cast<char>(offset & 0xFF)};
        char reply[kCapReplyLength] = {};
        if (!ddcExchange(line, QByteArray(request, sizeof(request)), kCapReplyLength, reply))
            break;
        const unsigned int length = byteAt(reply, 1);
        if (!(length & kLengthFlag) || length < kCapLengthMinimum)
            break;
        // The reply record holds at most 32 data bytes, whatever its length byte says.
        const unsigned long piece = std::min({static_cast<unsigned long>(length - kCapLengthBase),
                                              kCapPieceMaximum, size - 1 - offset});
        std::memcpy(out + offset, reply + kCapDataByte, piece);
        offset += piece;
    }
    if (offset != 0)
        out[offset] = '\0';
    return offset;
}

unsigned long VyrDisplay::MccsRead(int line, unsigned char *buffer, unsigned long size)
{
    if (buffer == nullptr || size < kMccsReadMinimum)
        return 0;
    char probe = kDisplayReadAddress;
    char *bytes = reinterpret_cast<char *>(buffer);
    if (!DdcBlockAccessGet(line, 1, &probe, 2, bytes) || !(buffer[1] & kLengthFlag))
        return 0;
    // The rest of the reply: its data and the checksum.
    const unsigned long rest = buffer[1] - 127u;
    if (2 + rest > size)
        return 0;
    // The wait handles events: a refresh of the model may delete this display meanwhile,
    // and then the read ends here without touching it.
    const QPointer<VyrDisplay> self(this);
    Sleeper::msleep(kRequestWaitMs, true);
    if (self.isNull())
        return 0;
    const bool read = DdcBlockAccessGet(line, 0, nullptr, static_cast<int>(rest), bytes + 2);
    Sleeper::msleep(kReplyWaitMs);
    return read ? buffer[1] - 125u : 0;
}

bool VyrDisplay::UpdateMccs(int line)
{
    // A monitor that does not answer leaves the buffer zeroed: an empty string.
    QByteArray capabilities(static_cast<int>(kCapBufferSize), '\0');
    mccsCapGet(line, capabilities.data(), kCapBufferSize);
    const bool parsed = m_mccs.Update(capabilities.constData());
    for (VcpFeature *feature : m_mccs.GetVcp()) {
        if (feature->code <= 0xFF)
            MccsVcpGet(line, static_cast<MccsVcpCode>(feature->code), &feature->current,
                       &feature->max);
    }
    return parsed;
}

bool VyrDisplay::I2cBlockAccess(const void *input, void *output)
{
    if (!haveDriver() || input == nullptr || output == nullptr)
        return false;
    // Each record starts with its size.
    quint32 inputSize = 0;
    quint32 outputSize = 0;
    std::memcpy(&inputSize, input, sizeof(inputSize));
    std::memcpy(&outputSize, output, sizeof(outputSize));
    return m_communicator->Escape(adapterIndex(), index(), NOX_ESC_ADAPTER_I2C_BLOCK_ACCESS,
                                  inputSize, input, outputSize, output)
           == 0;
}

bool VyrDisplay::I2cBlockAccess(NOXI2C *i2c)
{
    return adapterCall(&NoxInterface::DisplayWriteAndReadI2C, i2c);
}
