#pragma once
// Size, maximized state and theme of the main window, kept in settings group "mainWnd".
#include <QMargins>
#include <QRect>
#include <QSize>

class WindowSettings {
public:
    WindowSettings() = default;

    // Reads "width", "height" and "maximized", each defaulting to the value held.
    void load();
    // Writes the three keys when something changed since construction, load or save. A
    // setter given the value already held changes nothing.
    void save();

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isMaximized() const { return m_maximized; }
    bool isModified() const { return m_modified; }

    // Nothing while maximized: the size held is the one the window is restored to.
    void setWidth(int width);
    void setHeight(int height);
    // Puts back the size held before the last width and height change: a window may report
    // its maximized size just before the flag, and the normal size is what is stored.
    void setMaximized(bool maximized);
    // Shrinks the size held, and the one before it, to what the screen has room for. No change
    // of the user's: the stored size stays for a larger screen.
    void fitInto(const QSize& room);

private:
    int m_width = 960;
    int m_height = 720;
    int m_previousWidth = 960;
    int m_previousHeight = 720;
    bool m_maximized = false;
    bool m_modified = true;
};

// Where a window whose client area is geometry, framed by frame, stands inside a screen's
// available area: no larger than the area leaves it, moved in by the least that brings the whole
// frame inside.
QRect fittedWindowGeometry(const QRect& geometry, const QMargins& frame, const QRect& area);

// The theme index of "mainWnd/themeIndex", 0 when missing.
int getThemeIndex();
void setThemeIndex(unsigned int index);
