#include "toolkit/text/Text.h"

#include <cinttypes>
#include <cstdio>

namespace KavoUtility {

std::wstring ToWide(std::string narrow)
{
    std::wstring wide;
    for (char byte : narrow) {
        if (byte == '\0') {
            break;
        }
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
    return wide;
}

std::string ToNarrow(std::wstring wide)
{
    std::string narrow;
    narrow.reserve(wide.size());
    for (wchar_t unit : wide) {
        narrow.push_back(static_cast<char>(static_cast<unsigned char>(unit & 0xFF)));
    }
    return narrow;
}

namespace {

std::string ReplaceInOnePass(const std::string& source, const std::string& what, const std::string& with)
{
    std::string result;
    std::string::size_type from = 0;
    for (auto found = source.find(what); found != std::string::npos; found = source.find(what, from)) {
        result.append(source, from, found - from).append(with);
        from = found + what.size();
    }
    return result.append(source, from, std::string::npos);
}

} // namespace

std::string ReplaceAll(std::string source, std::string what, std::string with)
{
    if (what.empty()) {
        return source;
    }
    if (with.find(what) != std::string::npos) {
        return ReplaceInOnePass(source, what, with);
    }
    for (auto found = source.find(what); found != std::string::npos; found = source.find(what)) {
        source.replace(found, what.size(), with);
    }
    return source;
}

std::string TwoDigits(int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02" PRId32, value);
    return text;
}

std::string DecimalText(int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%" PRId64, value);
    return text;
}

} // namespace KavoUtility
