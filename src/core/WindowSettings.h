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

    enum class State { Normal, Maximized, FullScreen };

    // The size held is the window's last in the normal state, the one it goes back to. A platform
    // reports a change of state and the sizes that go with it in its own order, with passing
    // states between: a change takes back the sizes reported since the window last settled, and
    // those that follow it count only once the window has settled again.
    void setWidth(int width);
    void setHeight(int height);
    // Full screen keeps the maximized flag it started from: a window left full screen is stored
    // in the state it goes back to.
    void setState(State state);
    void setMaximized(bool maximized) { setState(maximized ? State::Maximized : State::Normal); }
    // The window has handled all it reported so far, a size among it.
    void settle();
    // Shrinks the size held, and the one settled at, to what the screen has room for. No change
    // of the user's: the stored size stays for a larger screen.
    void fitInto(const QSize& room);

private:
    int m_width = 960;
    int m_height = 720;
    int m_settledWidth = 960;
    int m_settledHeight = 720;
    bool m_maximized = false;
    bool m_fullScreen = false;
    // A state changed since the window last settled.
    bool m_changing = false;
    bool m_modified = true;
};

// Where a window whose client area is geometry, framed by frame, stands inside a screen's
// available area: no larger than the area leaves it, moved in by the least that brings the whole
// frame inside.
QRect fittedWindowGeometry(const QRect& geometry, const QMargins& frame, const QRect& area);

// The theme index of "mainWnd/themeIndex", 0 when missing.
int getThemeIndex();
void setThemeIndex(unsigned int index);
