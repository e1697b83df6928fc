#pragma once
#include "OS/types.h"

#include <QString>

// The translated label of an event-filter type code (ZpEventFilter::Type) 0 to 15; empty above.
QString eventFilterTypeLabel(u32 type);
