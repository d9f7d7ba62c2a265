#pragma once

#include <QEvent>

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
