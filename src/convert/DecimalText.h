#pragma once
// Whole numbers as the captions and link numbers write them: decimal digits, "-" in front
// of a negative number.
#include <cstdint>
#include <string>

std::u16string DecimalText(int64_t n);
