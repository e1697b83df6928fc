#include "core/WindowSettings.h"

#include "core/OvSettings.h"

#include <QDebug>

#include <algorithm>

namespace {
const char* const kGroup = "mainWnd";
const char* const kWidthKey = "width";
const char* const kHeightKey = "height";
const char* const kMaximizedKey = "maximized";
const char* const kThemeIndexKey = "themeIndex";
} // namespace

void WindowSettings::load()
{
    OvSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    m_width = settings.value(QLatin1String(kWidthKey), m_width).toInt();
    m_height = settings.value(QLatin1String(kHeightKey), m_height).toInt();
    m_maximized = settings.value(QLatin1String(kMaximizedKey), m_maximized).toBool();
    qInfo() << "maximized = " << m_maximized;
    settings.endGroup();
    m_settledWidth = m_width;
    m_settledHeight = m_height;
    m_fullScreen = false;
    m_changing = false;
    m_modified = false;
}

void WindowSettings::save()
{
    if (!m_modified)
        return;
    OvSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue(QLatin1String(kWidthKey), m_width);
    settings.setValue(QLatin1String(kHeightKey), m_height);
    settings.setValue(QLatin1String(kMaximizedKey), m_maximized);
    settings.endGroup();
    m_modified = false;
    qInfo() << "maximized = " << m_maximized;
}

// The scene assigns the size it was given while it settles: only a different value is a
// change made by the user.
void WindowSettings::setWidth(int width)
{
    if (m_maximized || m_fullScreen || m_changing || width == m_width)
        return;
    m_modified = true;
    m_width = width;
}

void WindowSettings::setHeight(int height)
{
    if (m_maximized || m_fullScreen || m_changing || height == m_height)
        return;
    m_modified = true;
    m_height = height;
}

void WindowSettings::setState(State state)
{
    const bool fullScreen = state == State::FullScreen;
    const bool maximized = state == State::Maximized || (fullScreen && m_maximized);
    if (maximized == m_maximized && fullScreen == m_fullScreen)
        return;
    m_modified = true;
    m_maximized = maximized;
    m_fullScreen = fullScreen;
    m_changing = true;
    m_width = m_settledWidth;
    m_height = m_settledHeight;
}

void WindowSettings::settle()
{
    m_changing = false;
    m_settledWidth = m_width;
    m_settledHeight = m_height;
}

void WindowSettings::fitInto(const QSize& room)
{
    m_width = std::min(m_width, room.width());
    m_height = std::min(m_height, room.height());
    m_settledWidth = std::min(m_settledWidth, room.width());
    m_settledHeight = std::min(m_settledHeight, room.height());
}

QRect fittedWindowGeometry(const QRect& geometry, const QMargins& frame, const QRect& area)
{
    const QRect room = area.marginsRemoved(frame);
    QRect fitted(geometry.topLeft(), geometry.size().boundedTo(room.size()).expandedTo(QSize(1, 1)));
    // The far edges first: where the room is too small, the frame's near edges stay inside.
    fitted.moveRight(std::min(fitted.right(), room.right()));
    fitted.moveBottom(std::min(fitted.bottom(), room.bottom()));
    fitted.moveLeft(std::max(fitted.left(), room.left()));
    fitted.moveTop(std::max(fitted.top(), room.top()));
    return fitted;
}

int getThemeIndex()
{
    OvSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    return settings.value(QLatin1String(kThemeIndexKey), 0).toInt();
}

void setThemeIndex(unsigned int index)
{
    OvSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue(QLatin1String(kThemeIndexKey), index);
}
