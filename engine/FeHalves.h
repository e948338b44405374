// Runs a loop over a range in two halves at the same time, the front half on
// the calling thread and the back half on a thread of its own, for passes
// whose iterations are independent of each other.
#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>

namespace lexorin {

// Calls body(from, to, tick) for [0, count): once on the caller when `split`
// is false or there is a single iteration, else for [0, count / 2) on the
// caller and for [count / 2, count) on a second thread. The body calls tick()
// once per iteration; on the caller that is `tick`, which may throw to
// cancel. The second thread's tick ends its half early once the caller has
// left that way. The caller always waits for the second thread, and an
// exception of the second half is rethrown on the caller. Without a thread
// to be had, the caller runs both.
template <typename Tick, typename Body>
void InHalves(std::size_t count, bool split, Tick tick, Body body) {
    if (!split || count < 2) {
        body(0, count, tick);
        return;
    }
    struct TStopped {};
    const std::size_t middle = count / 2;
    std::atomic<bool> stop{false};
    std::exception_ptr failure;
    const auto back = [&] {
        try {
            std::size_t ticks = 0;
            body(middle, count, [&] {
                if ((++ticks & 0xFFFF) == 0 && stop.load(std::memory_order_relaxed))
                    throw TStopped();
            });
        } catch (const TStopped&) {
        } catch (...) {
            failure = std::current_exception();
        }
    };
    std::thread worker;
    try {
        worker = std::thread(back);
    } catch (const std::system_error&) {
        body(0, count, tick);
        return;
    }
    try {
        body(0, middle, tick);
    } catch (...) {
        stop = true;
        worker.join();
        throw;
    }
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace lexorin
