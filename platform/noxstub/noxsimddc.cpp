// The DDC/CI responder of a simulated monitor (VESA DDC/CI 1.1, MCCS 2.2): it answers
// Get VCP Feature, Set VCP Feature and Capabilities Request messages from its VCP table
// and capability string. A reply waits in the monitor until the host reads it.

#include "noxsimmachine.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Message framing (DDC/CI 1.1 section 4): destination address, source address, length
// byte (bit 7 set, payload length in bits 6-0), payload, checksum.
constexpr unsigned char kDisplayAddress = 0x6E;
constexpr unsigned char kHostAddress = 0x51;
constexpr unsigned char kDisplayReadAddress = 0x6F;
// The host's virtual address that starts the checksum of a reply.
constexpr unsigned char kReplyChecksumSeed = 0x50;

constexpr unsigned char kGetVcp = 0x01;
constexpr unsigned char kGetVcpReply = 0x02;
constexpr unsigned char kSetVcp = 0x03;
constexpr unsigned char kCapabilitiesRequest = 0xF3;
constexpr unsigned char kCapabilitiesReply = 0xE3;
// Data bytes of one capabilities reply.
constexpr int kCapabilitiesPiece = 32;

// A Get VCP Feature reply: result (0 no error, 1 unsupported code), the code, the type
// (0 set parameter), maximum and current value as big-endian words (MCCS 2.2 section 4.3).
QByteArray vcpReply(const NoxSimDisplay &display, unsigned char code)
{
    const auto it = display.vcp.find(code);
    const bool supported = it != display.vcp.end();
    QByteArray body;
    body.append(static_cast<char>(kGetVcpReply));
    body.append(static_cast<char>(supported ? 0x00 : 0x01));
    body.append(static_cast<char>(code));
    body.append(static_cast<char>(0x00));
    char values[4];
    qToBigEndian<quint16>(static_cast<quint16>(supported ? it->second.second : 0), values);
    qToBigEndian<quint16>(static_cast<quint16>(supported ? it->second.first : 0), values + 2);
    body.append(values, sizeof(values));
    return body;
}

QByteArray capabilitiesReply(const NoxSimDisplay &display, int offset)
{
    const int left = std::max(0, static_cast<int>(display.ddcCapabilities.size()) - offset);
    QByteArray body;
    body.append(static_cast<char>(kCapabilitiesReply));
    body.append(static_cast<char>((offset >> 8) & 0xFF));
    body.append(static_cast<char>(offset & 0xFF));
    body.append(display.ddcCapabilities.mid(offset, std::min(kCapabilitiesPiece, left)));
    return body;
}

// The framed reply: source address, length byte (the test option may force another one),
// payload and checksum.
QByteArray frame(const QByteArray &body)
{
    const int forced = NoxSimMachine::instance().ddcReplyLengthByte;
    QByteArray reply;
    reply.append(static_cast<char>(kDisplayAddress));
    reply.append(static_cast<char>(forced ? forced & 0xFF : 0x80 | body.size()));
    reply.append(body);
    unsigned char checksum = kReplyChecksumSeed;
    for (const char c : reply)
        checksum = static_cast<unsigned char>(checksum ^ static_cast<unsigned char>(c));
    reply.append(static_cast<char>(checksum));
    return reply;
}

// Whether write holds one whole request addressed to the display whose checksum (the
// XOR of every byte before it, from the display's address on) is right.
bool validRequest(const unsigned char *write, int length)
{
    if (length < 4 || write[0] != kDisplayAddress || write[1] != kHostAddress || !(write[2] & 0x80))
        return false;
    const int payload = write[2] & 0x7F;
    if (length < 4 + payload)
        return false;
    unsigned char checksum = 0;
    for (int i = 0; i < 3 + payload; ++i)
        checksum = static_cast<unsigned char>(checksum ^ write[i]);
    return checksum == write[3 + payload];
}

// Takes a request: queues the reply it asks for, or none. A request the monitor
// cannot read (bad checksum, unknown opcode) is ignored, as DDC/CI has monitors do.
void takeRequest(NoxSimDisplay &display, const unsigned char *write, int length)
{
    display.ddcReply.clear();
    if (!validRequest(write, length))
        return;
    const int payload = write[2] & 0x7F;
    const unsigned char opcode = write[3];
    if (opcode == kGetVcp && payload >= 2) {
        display.ddcReply = frame(vcpReply(display, write[4]));
    } else if (opcode == kSetVcp && payload >= 4) {
        const auto it = display.vcp.find(write[4]);
        if (it != display.vcp.end())
            it->second.first = qFromBigEndian<quint16>(write + 5);
        // The monitor holds the value it now has, for a host that reads after a set.
        display.ddcReply = frame(vcpReply(display, write[4]));
    } else if (opcode == kCapabilitiesRequest && payload >= 3) {
        display.ddcReply = frame(capabilitiesReply(display, qFromBigEndian<quint16>(write + 4)));
    }
}

} // namespace

int noxSimDdcTransfer(NoxSimDisplay &display, const unsigned char *write, int writeLength,
                      unsigned char *read, int readLength, int *returned)
{
    *returned = 0;
    if (display.ddcCapabilities.isEmpty() && display.vcp.empty())
        return NOX_ERR; // no DDC/CI on this display
    // The display's read address alone starts a read of the waiting reply.
    if (writeLength > 0 && !(writeLength == 1 && write[0] == kDisplayReadAddress))
        takeRequest(display, write, writeLength);
    if (readLength > 0 && read) {
        // A read hands out the waiting reply and keeps what was not read for the
        // next read (a reply may be fetched in two steps).
        const int n = std::min(readLength, static_cast<int>(display.ddcReply.size()));
        std::memcpy(read, display.ddcReply.constData(), static_cast<size_t>(n));
        if (n < readLength)
            std::memset(read + n, 0, static_cast<size_t>(readLength - n));
        display.ddcReply.remove(0, n);
        *returned = readLength;
    }
    return NOX_OK;
}
