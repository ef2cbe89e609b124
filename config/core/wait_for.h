#pragma once

#include <QString>

class QWidget;

// Busy guard for the time a camera needs to apply a setting: the wait cursor shows while
// the object lives, and wait() holds the user for a fixed time behind a progress dialog that
// cannot be cancelled (cutting it short would let the user act on a camera still applying).
class WaitFor {
public:
    WaitFor(const QString& text, QWidget* parent);
    virtual ~WaitFor();

    WaitFor(const WaitFor&) = delete;
    WaitFor& operator=(const WaitFor&) = delete;

    // Holds the calling (GUI) thread for about ms milliseconds in 10 ms steps while its event
    // loop runs; a wait of a second or more shows its progress dialog at once.
    void wait(int ms);

private:
    QWidget* parent_;  // not owned
    QString text_;
};
