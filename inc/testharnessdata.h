#pragma once

#include "streaminfo.h"

#include <QObject>

// One DisplayPort link entry of the driver's link information: the driver's byte for
// it and the link rate in units of 10 Mbit/s.
struct TestHarnessLinkPair
{
    quint8 linkByte = 0;
    quint32 linkRate = 0;
};

// Link state of a display, filled by VyrDisplay::UpdateLink().
struct TestHarnessLink
{
    quint8 linkValue = 0; // three bits
    TestHarnessLinkPair pairs[5];
    quint32 info1 = 0; // further link information, as the driver gives it
    quint32 info2 = 0;
    quint32 colorDepth = 0; // bits per component
};

// Dynamic refresh rate state of a display, filled by VyrDisplay::UpdateDrr(). Refresh
// rates are in mHz, the pixel clock in kHz.
struct TestHarnessDrr
{
    quint32 staticScreenEvents = 0;
    quint32 staticScreenEvents2 = 0;
    quint32 minVTotal = 0;
    quint32 maxVTotal = 0;
    quint32 currentVTotal = 0;
    quint32 currentHTotal = 0;
    quint32 pixelClock = 0;
    quint32 status1 = 0; // further status values, as the driver gives them
    quint32 status2 = 0;
    quint32 refreshAtMaxVTotal = 0;
    quint32 refreshAtMinVTotal = 0;
    quint32 maxRefreshRate = 0; // as the driver reports them
    quint32 minRefreshRate = 0;
};

// What the driver's test harness reports about one display: its stream, its
// DisplayPort link and its dynamic refresh rate. All zero until the display reads them.
class TestHarnessData : public QObject
{
    Q_OBJECT

public:
    explicit TestHarnessData(QObject *parent = nullptr)
        : QObject(parent)
    {}

    StreamInfo stream;
    TestHarnessLink link;
    TestHarnessDrr drr;
};
