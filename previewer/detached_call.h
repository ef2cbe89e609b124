// A blocking camera call (an SDK login and what follows it) run on a thread of its own, so
// that the thread that wants its result can stop waiting: the SDK cannot interrupt a login,
// and a camera that answers slowly must not hold up the program's end. A call given up runs
// to its end on its thread, touches only what its work owns, and then runs its clean-up
// (which releases what the work got, such as a login) there instead of the caller.
#pragma once

#include <functional>
#include <memory>

class DetachedCall {
public:
    DetachedCall(std::function<void()> work, std::function<void()> cleanUpIfGivenUp);
    // Gives the call up when it still runs.
    ~DetachedCall();

    DetachedCall(const DetachedCall&) = delete;
    DetachedCall& operator=(const DetachedCall&) = delete;

    // Waits until the work is done or the call is given up. True when the work ended before
    // any give-up: its results are then the caller's; after a give-up they are never.
    bool wait();
    // The same on the GUI thread, in a local event loop that takes no user input and also ends
    // when the application quits, which gives the call up.
    bool waitProcessingEvents();
    // Ends the waits; any thread.
    void giveUp();

private:
    struct State;
    std::shared_ptr<State> state_;
};
