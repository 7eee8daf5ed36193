#pragma once
// What the window benchmarks share: running the window's event loop until
// something has happened.

#include <QApplication>
#include <QEventLoop>

namespace sillabor::bench {

// Runs the event loop until `done` holds.
template <typename Predicate>
void WaitFor(Predicate done) {
    while (!done()) QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

}  // namespace sillabor::bench
