#include "updatedataevent.h"

// Defined here so that the event's type information exists once, in the shared library.
UpdateDataEvent::~UpdateDataEvent() = default;
