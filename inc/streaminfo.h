#pragma once

#include "noxapi.h"

#include <QObject>

// The stream a DisplayPort display receives, as the driver's test harness last reported
// it: colour depth code, pixel encoding, pixel clock and totals. Zero until read.
class StreamInfo : public QObject
{
    Q_OBJECT

public:
    explicit StreamInfo(QObject *parent = nullptr)
        : QObject(parent)
    {}

    void Update(const tagZOVRETH_STREAMINFO &record)
    {
        colorDepthCode = record.ulColorDepth;
        pixelEncoding = record.ulPixelEncoding;
        pixelClock = record.ulPixelClock;
        hTotal = record.ulHTotal;
        vTotal = record.ulVTotal;
    }

    quint32 colorDepthCode = 0;
    quint32 pixelEncoding = 0;
    quint32 pixelClock = 0;
    quint32 hTotal = 0;
    quint32 vTotal = 0;
};
