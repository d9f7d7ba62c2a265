// VyrDevice: the colour and scaling operations of its displays, by display index.

#include "display.h"
#include "vyrdevice.h"

bool VyrDevice::SetColorTemperatureSource(int displayIndex, DisplayColorTemperatureSource source)
{
    VyrDisplay *display = displayByIndex(displayIndex);
    return display != nullptr && display->SetColorTemperatureSource(source);
}

DisplayColorTemperatureSource VyrDevice::GetColorTemperatureSource(int displayIndex) const
{
    DisplayColorTemperatureSource source = DisplayColorTemperatureSourceUnknown;
    if (VyrDisplay *display = displayByIndex(displayIndex))
        display->GetColorTemperatureSource(source);
    return source;
}

bool VyrDevice::SetGPUScaling(int displayIndex, bool enabled)
{
    VyrDisplay *display = displayByIndex(displayIndex);
    return display != nullptr && display->SetGPUScaling(enabled);
}

bool VyrDevice::GetGPUScaling(int displayIndex) const
{
    bool enabled = false;
    const VyrDisplay *display = displayByIndex(displayIndex);
    return display != nullptr && display->GetGPUScaling(enabled) && enabled;
}

bool VyrDevice::SetScalingOption(int displayIndex, int option)
{
    VyrDisplay *display = displayByIndex(displayIndex);
    return display != nullptr && display->SetScalingOption(option);
}

int VyrDevice::GetScalingOption(int displayIndex) const
{
    DisplayScalingOption option = DisplayScalingNone;
    VyrDisplay *display = displayByIndex(displayIndex);
    if (display == nullptr || !display->GetScalingOption(option))
        return DisplayScalingNone;
    return option;
}

bool VyrDevice::SetColorParameter(int displayIndex, DisplayColorTypes type, int value)
{
    VyrDisplay *display = displayByIndex(displayIndex);
    return display != nullptr && display->SetColor(type, value);
}

int VyrDevice::colorParameter(int displayIndex, DisplayColorTypes type, int which) const
{
    // current, default, minimum, maximum, step
    int values[5] = {};
    VyrDisplay *display = displayByIndex(displayIndex);
    if (display == nullptr
        || !display->GetColor(type, &values[0], &values[1], &values[2], &values[3], &values[4]))
        return 0;
    return values[which];
}

int VyrDevice::GetColorParameter(int displayIndex, DisplayColorTypes type) const
{
    return colorParameter(displayIndex, type, 0);
}

int VyrDevice::GetDefaultColorParameter(int displayIndex, DisplayColorTypes type) const
{
    return colorParameter(displayIndex, type, 1);
}

int VyrDevice::GetMinColorParameter(int displayIndex, DisplayColorTypes type) const
{
    return colorParameter(displayIndex, type, 2);
}

int VyrDevice::GetMaxColorParameter(int displayIndex, DisplayColorTypes type) const
{
    return colorParameter(displayIndex, type, 3);
}
