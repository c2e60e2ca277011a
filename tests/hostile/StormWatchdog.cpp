#include "tests/hostile/StormWatchdog.h"

#include <windows.h>

#include <cstdio>

namespace {

std::mutex beatLock;
std::string current;
uint64_t beats = 0;

} // namespace

StormWatchdog::StormWatchdog(std::chrono::seconds patience) : watcher([this, patience] { Watch(patience); }) {}

StormWatchdog::~StormWatchdog()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    stop.notify_all();
    watcher.join();
}

void StormWatchdog::Beat(const std::string& what)
{
    std::lock_guard<std::mutex> guard(beatLock);
    current = what;
    ++beats;
}

void StormWatchdog::Watch(std::chrono::seconds patience)
{
    uint64_t seen = ~0ull;
    std::unique_lock<std::mutex> guard(lock);
    while (!stop.wait_for(guard, patience, [this] { return stopping; })) {
        std::lock_guard<std::mutex> beat(beatLock);
        if (beats == seen && !current.empty()) {
            std::fprintf(stderr, "The storm has not come back for %lld s from %s\n",
                static_cast<long long>(patience.count()), current.c_str());
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
        seen = beats;
    }
}
