// What the shell was asked to open during a test: the test prefix associates
// web and mail addresses with a recorder that appends each target to a log.
#pragma once

#include <string>
#include <vector>

class ShellLog {
public:
    // Points the recorder at a new, empty log of this process's own.
    ShellLog();
    ~ShellLog();
    ShellLog(const ShellLog&) = delete;
    ShellLog& operator=(const ShellLog&) = delete;

    // The recorded targets once there are at least `count` of them, or what
    // there is after a few seconds. The shell returns before the recorder runs.
    std::vector<std::string> WaitForLines(size_t count) const;

    std::vector<std::string> Lines() const;

private:
    std::wstring path;
};
