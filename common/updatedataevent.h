#pragma once

#include <QEvent>

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Sent to the main window after the device model was refreshed; the main window
// calls onUpdateDeviceData() of every importing plug-in.
class UpdateDataEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(1002);

    UpdateDataEvent()
        : QEvent(EventType)
    {}
};
