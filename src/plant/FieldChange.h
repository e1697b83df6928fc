#pragma once
// Small helpers of the plant's setters and their log lines.

namespace plantfields {

// Stores value; whether the field changed.
template <class T>
bool change(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

inline const char* boolText(bool on)
{
    return on ? "true" : "false";
}

} // namespace plantfields
