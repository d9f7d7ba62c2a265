#pragma once

// Editor widgets of the EDID base-block items: they work on a copy of a decoded record and
// emit the whole copy in editFinished; the item stores it through the block model.
//   BasicParSignalCharWidget   video input definition (byte 20)
//   BasicParAspectRatioWidget  screen size or aspect ratio (bytes 21 and 22)
//   StandardTimingWidget       one 2-byte standard timing
//   CvtTimingWidget            one CVT 3-byte code, with CvtTimingVRateWidget for its rates

#include "basicparaspectratiowidget.h"
#include "basicparsignalcharwidget.h"
#include "cvttimingvratewidget.h"
#include "cvttimingwidget.h"
#include "standardtimingwidget.h"
