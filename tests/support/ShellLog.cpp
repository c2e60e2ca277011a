#include "tests/support/ShellLog.h"

#include <windows.h>

#include <fstream>

ShellLog::ShellLog()
{
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    path = std::wstring(directory) + L"shell-requests-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(path.c_str());
    SetEnvironmentVariableW(L"RUNEPAIRS_SHELL_LOG", path.c_str());
}

ShellLog::~ShellLog()
{
    SetEnvironmentVariableW(L"RUNEPAIRS_SHELL_LOG", nullptr);
    DeleteFileW(path.c_str());
}

std::vector<std::string> ShellLog::Lines() const
{
    std::vector<std::string> lines;
    std::ifstream file(path.c_str(), std::ios::binary);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ShellLog::WaitForLines(size_t count) const
{
    std::vector<std::string> lines = Lines();
    for (int attempt = 0; attempt < 200 && lines.size() < count; ++attempt) {
        Sleep(50);
        lines = Lines();
    }
    return lines;
}
