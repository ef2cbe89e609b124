// WaitFor: Tarnwick's busy guard. While one lives the wait cursor shows and the main
// window's operation and firmware panels are disabled, so no second operation starts;
// the table, tool bar and context menu stay usable. Guards nest: the panels come back when
// the last one goes.
#pragma once

class MainWindow;

class WaitFor {
public:
    explicit WaitFor(MainWindow* window);
    virtual ~WaitFor();
    WaitFor(const WaitFor&) = delete;
    WaitFor& operator=(const WaitFor&) = delete;

private:
    MainWindow* window;
};
