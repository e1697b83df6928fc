#pragma once
// Per-paint traces of the item models (every data, flags and headerData call). Off unless the
// filter rules enable "ov4800.models.paint.debug", so painting does not fill the log.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcModelPaint)
