// Stands in for the browser and the mail program while tests run: the test
// prefix associates http, https and mailto with this program, which appends
// the requested target to a log instead of opening anything.
#include <windows.h>

#include <cstdio>

namespace {

const wchar_t* LogPath()
{
    static wchar_t path[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"RUNEPAIRS_SHELL_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return L"C:\\shell-requests.txt";
    }
    return path;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    FILE* log = _wfopen(LogPath(), L"ab");
    if (log == nullptr) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        char buffer[4096];
        if (size > 0 && size <= static_cast<int>(sizeof buffer)) {
            WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, buffer, size, nullptr, nullptr);
            std::fprintf(log, "%s\n", buffer);
        }
    }
    std::fclose(log);
    return 0;
}
