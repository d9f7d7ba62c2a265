#pragma once

#include <QEvent>

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Sent (never posted) to the main window after the device model was refreshed; the main
// window calls onUpdateDeviceData() of every importing plug-in. It carries nothing: the
// receivers read the refreshed device model.
class UpdateDataEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(1002);

    UpdateDataEvent()
        : QEvent(EventType)
    {}
    ~UpdateDataEvent() override;
};
