#include "models/ModelLogging.h"

Q_LOGGING_CATEGORY(lcModelPaint, "ov4800.models.paint", QtInfoMsg)
