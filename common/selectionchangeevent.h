#pragma once

#include <QEvent>

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Sent (never posted) to the main window when the device selection changes; the main
// window calls onDeviceSelected() of every importing plug-in. It carries nothing: the
// selection itself is in the device manager's selection record.
class SelectionChangeEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(1001);

    SelectionChangeEvent()
        : QEvent(EventType)
    {}
    ~SelectionChangeEvent() override;
};
