#pragma once

#include "model/callbackfillcontenttgt.h"
#include "model/edidtypes.h"

#include <QList>
#include <QStringList>

namespace VyrTest {

// Collects what a block writes to its report (Validate) and mode list (FillModeInfo).
class ReportSink : public CallbackFillContentTgt
{
public:
    void AppendText(const QString &text) override;
    void AppendMode(const ModeInfo *mode) override;

    QStringList lines;
    QList<ModeInfo> modes;
};

} // namespace VyrTest
