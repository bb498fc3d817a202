// Sharing custom conversions: links and their base64, envelopes, limits, clean-up and preview.
#include "../../RavoDozu/src/Base64.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/ShareCleanUp.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

using namespace ravodozu;
using namespace ravodozu::CustomShare;
using nlohmann::json;

namespace {

CustomRule ratio(double value) {
    return {CustomRule::Ratio{value}};
}
CustomRule formula(std::string forward) {
    return {CustomRule::Formula{std::move(forward), {}}};
}

CustomConversion lengths() {
    CustomConversion conversion;
    conversion.id = "ab12cd34";
    conversion.name = "Field lengths";
    conversion.glyph = "📏";
    conversion.decimals = 3;
    conversion.source = "template:laps";
    conversion.parameters = {{"k", 2.5, "a factor"}};
    conversion.units = {{"u1", "Metre", "m", std::nullopt},
                        {"u2", "Kilometre", "km", ratio(1000)},
                        {"u3", "Mile", "mi", formula("convert(x, length.m, length.mi) * k")}};
    return conversion;
}

CustomExtraUnit hand() {
    CustomExtraUnit extra;
    extra.id = "ee00ff11";
    extra.categoryId = "length";
    extra.referenceUnitId = "cm";
    extra.parameters = {{"width", 10.16, ""}};
    extra.unit = {"hand", "Hand", "hh", formula("x / width")};
    return extra;
}

// What an import must keep: everything except ids and source.
void expectSameApartFromIds(CustomConversion received, CustomConversion sent) {
    EXPECT_EQ(received.id.size(), 8u);
    EXPECT_NE(received.id, sent.id);
    EXPECT_FALSE(received.source);
    ASSERT_EQ(received.units.size(), sent.units.size());
    for (std::size_t i = 0; i < sent.units.size(); ++i) {
        EXPECT_NE(received.units[i].id, sent.units[i].id);
        received.units[i].id = sent.units[i].id;
    }
    received.id = sent.id;
    sent.source.reset();
    EXPECT_EQ(received, sent);
}

std::string envelopeText(const json& item, const char* key = "conversion") {
    return json{{"format", "zelvane.custom"}, {"version", 1}, {key, item}}.dump();
}

Result<Payload, ShareError> importConversion(const CustomConversion& conversion) {
    return decodeShareText(envelopeText(encodeCustomConversion(conversion)));
}

// Resolves the few references the preview uses.
std::optional<Conversion> knownUnits(std::string_view reference) {
    if (reference == "length.m")
        return Conversion{LinearConversion{1}};
    if (reference == "length.mi")
        return Conversion{LinearConversion{1609.344}};
    return std::nullopt;
}

TEST(ShareRoundTrip, LinkImportsBackWithFreshIds) {
    auto link = shareLink(Payload{lengths()});
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->starts_with("zelvane:ey"));
    EXPECT_EQ(link->find_first_of("+/=", 8), std::string::npos);
    auto fromLink = decodeShareText(*link);
    ASSERT_TRUE(fromLink) << fromLink.error().describe();
    ASSERT_TRUE(fromLink->conversion());
    expectSameApartFromIds(*fromLink->conversion(), lengths());

    // An extra unit keeps its rule and target, with fresh ids.
    auto imported = decodeShareText(*shareLink(Payload{hand()}));
    ASSERT_TRUE(imported && imported->extra());
    auto extra = *imported->extra();
    EXPECT_NE(extra.unit.id, hand().unit.id);
    extra.id = hand().id;
    extra.unit.id = hand().unit.id;
    EXPECT_EQ(extra, hand());
}

TEST(ShareJson, TextThatIsNotUtf8IsAWriteErrorNotACrash) {
    auto conversion = lengths();
    conversion.name = "bad \xff name";
    EXPECT_FALSE(shareJSON(Payload{conversion}));
    EXPECT_FALSE(shareLink(Payload{conversion}));
}

TEST(ShareText, LinkInsideASentenceInCapitalsBrokenOverLines) {
    auto link = *shareLink(Payload{lengths()});
    auto body = link.substr(8);
    auto pasted =
        "Try this one: ZELVANE:" + body.substr(0, 30) + "\r\n  " + body.substr(30) + " \n";
    auto decoded = decodeShareText(pasted);
    ASSERT_TRUE(decoded) << decoded.error().describe();
    EXPECT_EQ(decoded->conversion()->name, "Field lengths");
}

TEST(ShareText, RefusedEnvelopes) {
    EXPECT_EQ(
        decodeShareText(R"({"format":"zelvane.custom","version":"1","conversion":{}})").error(),
        ShareError::notAConversion());
    auto newer = json::parse(envelopeText(encodeCustomConversion(lengths())));
    newer["version"] = 18446744073709551615ull;
    EXPECT_EQ(decodeShareText(newer.dump()).error(), ShareError::newerVersion());
}

TEST(ShareData, SizeLimitCountsBytes) {
    // Pad with white space inside the JSON so the document stays valid at any size.
    auto sized = [](std::size_t bytes) {
        auto text = envelopeText(encodeCustomConversion(lengths()));
        text.insert(1, bytes - text.size(), ' ');
        return text;
    };
    EXPECT_TRUE(decodeShareData(sized(maxPayloadBytes)));
    EXPECT_EQ(decodeShareData(sized(maxPayloadBytes + 1)).error(), ShareError::tooLarge());
    // The same limit applies to what a link decodes to.
    auto link = "zelvane:" + std::string(87'384, 'A');
    EXPECT_EQ(decodeShareText(link).error(), ShareError::tooLarge());
}

TEST(ShareSanitize, LimitsRefuseAndTheSameVerdictReachesAnImport) {
    auto tooMany = lengths();
    tooMany.units.resize(13, CustomUnit{"u", "Unit", "", ratio(2)});
    EXPECT_EQ(sanitizedConversion(tooMany).error(), ShareError::invalid("units"));
    EXPECT_EQ(importConversion(tooMany).error(), ShareError::invalid("units"));
}

TEST(ShareSanitize, ConversionCleanUp) {
    auto conversion = lengths();
    conversion.name = "  " + std::string(39, 'e') + "e\u0301" + "tail  "; // é is one character
    conversion.glyph = " 👍🏽x";
    conversion.units[0].rule = ratio(5);
    conversion.decimals = 11; // outside 0…10
    auto result = sanitizedConversion(conversion);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->name, std::string(39, 'e') + "e\u0301");
    EXPECT_EQ(result->glyph, " 👍🏽");
    EXPECT_FALSE(result->units[0].rule) << "the reference unit's rule is removed";
    EXPECT_EQ(result->decimals, std::nullopt);
}

TEST(ShareCleanUp, ListsWhatTheImportChangedAndNothingElse) {
    auto conversion = lengths();
    conversion.name = "  Field lengths";
    conversion.glyph = "abc";
    conversion.units[0].rule = ratio(5);
    conversion.units[2].symbol = " mi ";
    conversion.decimals = 11;
    auto arrived = arrivedShareText(envelopeText(encodeCustomConversion(conversion)));
    ASSERT_TRUE(arrived);
    EXPECT_EQ(arrived->conversion()->id, "ab12cd34") << "as it arrived";
    auto kept = sanitized(*arrived);
    ASSERT_TRUE(kept);
    using Kind = CleanUpChange::Kind;
    const std::vector<CleanUpChange> expected = {
        {Kind::nameCut, "  Field lengths", "Field lengths"},
        {Kind::glyphCut, "abc", "ab"},
        {Kind::decimalsRemoved, "11", ""},
        {Kind::ruleRemoved, "Metre", ""},
        {Kind::symbolCut, " mi ", "mi"},
        {Kind::sourceRemoved, "template:laps", ""},
    };
    EXPECT_EQ(cleanUpChanges(*arrived, *kept), expected);
    const Payload clean{hand()};
    EXPECT_EQ(cleanUpChanges(clean, *sanitized(clean)), std::vector<CleanUpChange>{});
}

TEST(SharePreview, ConversionLinesReferencesAndUnknowns) {
    CustomConversion conversion;
    conversion.units = {{"a", "Metre", "m", std::nullopt},
                        {"c", "Mile", "mi", formula("convert(x, length.mi, length.m)")},
                        {"g", "Broken", "", formula("convert(x, length.zz, length.m) +")},
                        {"h", "Stepped", "",
                         CustomRule{CustomRule::Steps{
                             {{CustomStep::Op::add, CustomOperand{5.0}, {}, {}, {}},
                              {CustomStep::Op::ratioMul, {}, "length.yy", "length.mi", {}}}}}}};
    auto shown = preview(Payload{conversion}, knownUnits);
    EXPECT_EQ(shown.unitCount, 4u);
    const std::vector<Preview::Line> lines = {
        {"Mile", "convert(x, length.mi, length.m)"},
        {"Broken", "convert(x, length.zz, length.m) +"},
        {"Stepped", "(x + 5) * convert(1, length.yy, length.mi)"},
    };
    EXPECT_EQ(shown.lines, lines);
    // The broken formula contributes nothing, not even its readable reference.
    EXPECT_EQ(shown.references, (std::vector<std::string>{"length.mi", "length.m", "length.yy"}));
    EXPECT_EQ(shown.unknown, (std::vector<std::string>{"length.yy"}));
}

TEST(ShareData, DeepNestingWithinTheLimitIsRefusedWithoutExhaustingTheStack) {
    std::string nested = R"({"format":"zelvane.custom","version":1,"conversion":)";
    std::size_t depth = (maxPayloadBytes - nested.size() - 1) / 2;
    nested += std::string(depth, '[') + std::string(depth, ']') + "}";
    ASSERT_LE(nested.size(), maxPayloadBytes);
    EXPECT_EQ(decodeShareData(nested).error(), ShareError::notAConversion());
}

using namespace ravodozu::detail;

constexpr auto standard = Base64Alphabet::standard;
constexpr auto urlSafe = Base64Alphabet::urlSafe;

// Both alphabets, padded or not, over every byte value; they differ only in the last two digits.
TEST(Base64, EncodesAsRfc4648AndEveryByteValueRoundTrips) {
    EXPECT_EQ(base64Encode("fo", standard, true), "Zm8=");
    EXPECT_EQ(base64Encode("fo", standard, false), "Zm8");
    EXPECT_EQ(base64Encode("\xfb\xff\xbf", standard, true), "+/+/");
    EXPECT_EQ(base64Encode("\xfb\xff\xbf", urlSafe, true), "-_-_");
    EXPECT_FALSE(base64Decode("-_-_", standard));
    EXPECT_FALSE(base64Decode("+/+/", urlSafe));
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

// Outside the alphabet, one character (no whole byte), too much padding, unused bits not zero.
TEST(Base64, MalformedTextIsRefused) {
    for (const char* text : {"Zm9v!", "Z", "Zg===", "Zh=="})
        EXPECT_FALSE(base64Decode(text, standard)) << text;
}

} // namespace
