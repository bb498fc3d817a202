// Copied values that other programs can read.
#include "CopyText.h"

#include <gtest/gtest.h>

namespace zelvane {
namespace {

TEST(CopyableText, WritesScientificValuesWithoutSuperscripts) {
    const std::pair<const char*, const char*> cases[] = {
        {"5 × 10⁵", "500000"},           {"1.234 × 10⁷ m", "12340000 m"},
        {"1,5 × 10⁴", "15000"},          {"1.5 × 10²⁰ km", "1.5E+20 km"},
        {"-1.234 × 10⁻⁷", "-1.234E-07"}, {"9 × 10¹⁰⁰", "9E+100"},
        {"1,234.5 mi", "1,234.5 mi"},    {"× 10 x", "× 10 x"}};
    for (const auto& [shown, copied] : cases)
        EXPECT_EQ(copyableText(shown), copied) << shown;
}

} // namespace
} // namespace zelvane
