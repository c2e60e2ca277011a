// Ends the test process with a report when a storm stops coming back: a
// message that starts a loop nothing ends would otherwise only show as a
// time-out of the whole test.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class StormWatchdog {
public:
    explicit StormWatchdog(std::chrono::seconds patience);
    ~StormWatchdog();
    StormWatchdog(const StormWatchdog&) = delete;
    StormWatchdog& operator=(const StormWatchdog&) = delete;

    // Called before each message is sent; "" when the storm is at rest.
    static void Beat(const std::string& what);

private:
    void Watch(std::chrono::seconds patience);

    std::mutex lock;
    std::condition_variable stop;
    bool stopping = false;
    std::thread watcher;
};
