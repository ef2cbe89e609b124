// Scope guard around a blocking call on the GUI thread: shows the busy cursor and
// disables one widget (if given) until the guard goes.
#pragma once

#include <QPointer>
#include <QWidget>

class WaitFor {
public:
    explicit WaitFor(QWidget* widget);
    virtual ~WaitFor();

    WaitFor(const WaitFor&) = delete;
    WaitFor& operator=(const WaitFor&) = delete;

private:
    QPointer<QWidget> widget_;  // may go while the call runs
};
