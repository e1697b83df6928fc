#pragma once

#include <QString>
#include <QtGlobal>

// The one integer space of user errors across the program; 0 means no error.
using UserErrorCode = qint32;

// Translated text of a user error. Every code yields a text: a code without a text of its
// own (including negative ones) gives the generic text, a colon and the code. Without an
// installed translator the message ids themselves show.
QString getErrorMessage(const UserErrorCode& code);
