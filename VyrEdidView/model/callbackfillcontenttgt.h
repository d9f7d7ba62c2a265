#pragma once

#include <QString>

struct ModeInfo;

// Sink of the text report (DataBlock::Validate) and of the mode list (DataBlock::FillModeInfo),
// implemented by a report front end.
// Binary contract (ARCHITECTURE.md): the virtual functions keep this order.
class CallbackFillContentTgt
{
public:
    virtual ~CallbackFillContentTgt() = default;
    // One report line.
    virtual void AppendText(const QString &text) = 0;
    // One listed mode.
    virtual void AppendMode(const ModeInfo *mode) = 0;
};
