// EDID read and override of NoxInterface.

#include "noxinterface.h"

#include <algorithm>
#include <cstring>

int NoxInterface::DisplayGetEDIDEx(int adapter, int display, unsigned char *buffer, int bufferSize)
{
    if (!m_initialized)
        return 0;
    auto get = entry<NoxSlot::NOX_Display_EdidData_Get>();
    if (!get)
        return 0;
    const int size = buffer ? std::max(0, bufferSize) : 0;
    int placed = 0;
    for (int request = 0;; ++request) {
        NOXDisplayEDIDData record;
        std::memset(&record, 0, sizeof(record));
        record.iSize = sizeof(NOXDisplayEDIDData);
        record.iBlockIndex = request;
        if (get(adapter, display, &record) != 0)
            return request == 0 ? -1 : placed;
        // The bytes of request k belong at 128 * k (EDID blocks are 128 bytes), so
        // a library that answers more than one block per request still gives the
        // blocks in their order and never writes past the buffer.
        const int offset = request * 128;
        const int room = size - offset;
        const int returned = std::min(record.iEDIDSize, static_cast<int>(sizeof(record.cEDIDData)));
        if (returned <= 0 || room <= 0)
            return placed;
        const int copied = std::min(returned, room);
        std::memcpy(buffer + offset, record.cEDIDData, static_cast<size_t>(copied));
        placed = std::max(placed, offset + copied);
    }
}

bool NoxInterface::DisplayGetEDIDData(int adapter, int display, NOXDisplayEDIDData *data)
{
    if (!m_initialized || !data)
        return false;
    auto get = entry<NoxSlot::NOX_Display_EdidData_Get>();
    return get && get(adapter, display, data) == 0;
}

bool NoxInterface::DisplayOverrideEDID(int adapter, int display, unsigned char *data, int length)
{
    if (!data || length <= 0)
        return false;
    NOXDisplayEDIDOverride payload;
    std::memset(&payload, 0, sizeof(payload));
    payload.ulSize = sizeof(NOXDisplayEDIDOverride);
    payload.ulDataSize = static_cast<uint32_t>(std::min(length, 512));
    std::memcpy(payload.ucData, data, payload.ulDataSize);
    return Escape(adapter, display, NOX_ESC_DISPLAY_EDID_OVERRIDE, sizeof(payload), &payload, 0,
                  nullptr)
           == 0;
}
