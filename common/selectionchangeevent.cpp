#include "selectionchangeevent.h"

// Defined here so that the event's type information exists once, in the shared library.
SelectionChangeEvent::~SelectionChangeEvent() = default;
