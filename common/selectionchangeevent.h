#pragma once

#include <QEvent>

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Sent to the main window when the device selection changes; the main window calls
// onDeviceSelected() of every importing plug-in.
class SelectionChangeEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(1001);

    SelectionChangeEvent()
        : QEvent(EventType)
    {}
};
