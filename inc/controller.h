#pragma once

#include "noxapi.h"

#include <QObject>

// One display controller (CRTC) owned by an adapter: its index, its mode as the
// driver reports it and its timing record.
class Controller : public QObject
{
    Q_OBJECT

public:
    // The mode values, in the order the controller keeps them.
    enum ModeValue { RefreshRate, Width, Height, BitsPerPixel, Lines, PixelClock, ModeValueCount };

    explicit Controller(unsigned int index);

    unsigned int index() const { return m_index; }
    quint32 modeValue(int which) const;
    bool interlaced() const { return m_interlaced; }
    const tagCONTROLLERTIMINGDATA &timing() const { return m_timing; }

    // Takes the mode values from the driver's controller-mode record.
    void setMode(const tagCONTROLLERMODE &mode);
    // Takes bytes 4 to 67 (the timing fields) of the driver's timing record.
    void setTiming(const tagCONTROLLERTIMINGDATA &timing);

private:
    unsigned int m_index;
    quint32 m_mode[ModeValueCount] = {};
    quint32 m_reserved = 0;
    bool m_interlaced = false;
    tagCONTROLLERTIMINGDATA m_timing = {};
};
