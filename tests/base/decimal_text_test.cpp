// Whole numbers as the user reads them: every digit, no sign, no grouping, whatever the size.
#include <catch2/catch.hpp>

#include <cstdint>
#include <limits>

#include "base/decimal_text.h"

TEST_CASE("Whole numbers are written out in plain digits, up to the largest error code") {
    CHECK(tarvane::DecimalText(0) == L"0");
    CHECK(tarvane::DecimalText(255) == L"255");
    // System error codes and HRESULTs fill all 32 bits of a DWORD.
    CHECK(tarvane::DecimalText(std::numeric_limits<std::uint32_t>::max()) == L"4294967295");
}
