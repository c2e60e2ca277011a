// Conversions between the narrow texts of the toolkit's interface and the wide
// texts it stores, and the small text functions the application needs.
#pragma once

#include <cstdint>
#include <string>

namespace KavoUtility {

// Byte b becomes code unit b (ISO 8859-1), up to the first NUL byte.
std::wstring ToWide(std::string narrow);

// Each code unit keeps its low 8 bits; embedded NULs are kept.
std::string ToNarrow(std::wstring wide);

// Replaces every occurrence of `what`, searching again from the start after
// each replacement so that replacements cascade. An empty `what` leaves the
// source as it is; a `with` that contains `what` is replaced in one
// left-to-right pass, since cascading would never end.
std::string ReplaceAll(std::string source, std::string what, std::string with);

// Decimal text zero-filled to at least two characters: 7 -> "07", -3 -> "-3".
std::string TwoDigits(int32_t value);

// Plain decimal text: no fill, no grouping, "-" for negatives.
std::string DecimalText(int64_t value);

} // namespace KavoUtility
