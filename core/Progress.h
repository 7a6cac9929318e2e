// Long work on the window's thread says now and then how far it has got, so
// that the window can show that it is working. Only the thread that listens
// hears its own work: a worker thread's reports go nowhere.
#pragma once

#include <functional>

namespace progress {

// DONE is the share of the work done, 0 to 1, or below 0 when not known.
void report(double done);

// Hears this thread's reports while it lives, as every other one living
// does, the newest first.
class Listener {
public:
    explicit Listener(std::function<void(double)> hear);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    friend void report(double done);
    std::function<void(double)> hear_;
    Listener* before_;
};

}  // namespace progress
