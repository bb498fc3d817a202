#include "../../RavoDozu/src/Base64.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

using namespace ravodozu::detail;

namespace {
constexpr auto standard = Base64Alphabet::standard;
constexpr auto urlSafe = Base64Alphabet::urlSafe;
} // namespace

TEST(Base64, Rfc4648Vectors) {
    struct Case {
        const char* bytes;
        const char* padded;
        const char* unpadded;
    };
    const Case cases[] = {{"", "", ""}, {"fo", "Zm8=", "Zm8"}, {"foo", "Zm9v", "Zm9v"}};
    for (const auto& item : cases) {
        EXPECT_EQ(base64Encode(item.bytes, standard, true), item.padded);
        EXPECT_EQ(base64Encode(item.bytes, standard, false), item.unpadded);
        EXPECT_EQ(base64Decode(item.padded, standard), item.bytes) << item.padded;
        EXPECT_EQ(base64Decode(item.unpadded, standard), item.bytes) << item.unpadded;
    }
}

TEST(Base64, AlphabetsDifferOnlyInTheLastTwoDigits) {
    const std::string bytes("\xfb\xff\xbf", 3);
    EXPECT_EQ(base64Encode(bytes, standard, true), "+/+/");
    EXPECT_EQ(base64Encode(bytes, urlSafe, true), "-_-_");
    EXPECT_EQ(base64Decode("-_-_", urlSafe), bytes);
    EXPECT_FALSE(base64Decode("-_-_", standard));
    EXPECT_FALSE(base64Decode("+/+/", urlSafe));
}

TEST(Base64, EveryByteValueRoundTrips) {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    for (std::size_t length = 0; length <= bytes.size(); length += 37) {
        auto part = bytes.substr(0, length);
        for (auto alphabet : {standard, urlSafe})
            for (bool padded : {true, false})
                EXPECT_EQ(base64Decode(base64Encode(part, alphabet, padded), alphabet), part);
    }
}

TEST(Base64, MalformedTextIsRefused) {
    const char* texts[] = {
        "Zm9v!",    // outside the alphabet
        "Z",        // one character cannot hold a byte
        "Zg===",    // too much padding
        "Zg=",      // padding that does not complete the group
        "=Zg=",     // padding in the middle
        "Zh==",     // unused bits not zero
        "Zm9v\0Yg", // an embedded zero byte
    };
    for (const char* text : texts)
        EXPECT_FALSE(base64Decode(std::string_view(text, text == texts[6] ? 7 : std::strlen(text)),
                                  standard))
            << text;
}
