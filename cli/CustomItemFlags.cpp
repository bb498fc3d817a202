#include "CustomItemFlags.h"

#include <charconv>
#include <cmath> // std::isfinite

namespace zelvane::cli {

namespace {

using namespace ravodozu;
namespace share = ravodozu::CustomShare;
using Failure = std::string;

/// One NAME[:SYMBOL][=RATIO] word.
struct UnitWord {
    std::string name;
    std::string symbol;
    std::optional<double> ratio;
};

Result<UnitWord, Failure> readUnit(std::string word) {
    UnitWord unit;
    if (auto equals = word.rfind('='); equals != std::string::npos) {
        const std::string text = word.substr(equals + 1);
        double ratio = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ratio);
        if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(ratio) ||
            ratio <= 0)
            return fail(Failure("the ratio of --unit " + word + " is not a positive number"));
        unit.ratio = ratio;
        word.resize(equals);
    }
    if (auto colon = word.rfind(':'); colon != std::string::npos) {
        unit.symbol = word.substr(colon + 1);
        word.resize(colon);
    }
    unit.name = std::move(word);
    return unit;
}

CustomUnit customUnit(const UnitWord& word) {
    CustomUnit unit{.id = {}, .name = word.name, .symbol = word.symbol, .rule = std::nullopt};
    if (word.ratio)
        unit.rule = CustomRule{CustomRule::Ratio{*word.ratio}};
    return unit;
}

template <class Item>
Result<share::Payload, Failure> checked(Result<Item, share::ShareError> item) {
    if (!item)
        return fail(item.error().describe());
    return share::Payload{std::move(item).value()};
}

Result<share::Payload, Failure> extraUnit(const std::string& target, const UnitWord& unit) {
    const auto dot = target.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == target.size())
        return fail(Failure("--extra takes CATEGORY.UNIT, such as length.m"));
    if (!unit.ratio)
        return fail(Failure("an extra unit needs its ratio: --unit NAME=RATIO"));
    CustomExtraUnit extra;
    extra.categoryId = target.substr(0, dot);
    extra.referenceUnitId = target.substr(dot + 1);
    extra.unit = customUnit(unit);
    return checked(share::sanitizedExtra(std::move(extra)));
}

} // namespace

CustomItemFlags CustomItemFlags::take(Arguments& arguments) {
    CustomItemFlags flags;
    flags.name = arguments.value("--name");
    flags.glyph = arguments.value("--glyph");
    flags.extra = arguments.value("--extra");
    flags.units = arguments.values("--unit");
    return flags;
}

Result<share::Payload, Failure> CustomItemFlags::payload() const {
    std::vector<UnitWord> words;
    for (const auto& text : units) {
        auto word = readUnit(text);
        if (!word)
            return fail(word.error());
        words.push_back(std::move(word).value());
    }
    if (extra) {
        if (name || glyph || words.size() != 1)
            return fail(Failure("an extra unit takes --extra and one --unit, nothing else"));
        return extraUnit(*extra, words.front());
    }
    if (!name)
        return fail(Failure("a conversion needs --name, an extra unit --extra"));
    if (words.size() < 2)
        return fail(Failure("a conversion needs its reference unit and at least one more --unit"));
    if (words.front().ratio)
        return fail(Failure("the first --unit is the reference unit; it takes no ratio"));
    for (std::size_t i = 1; i < words.size(); ++i)
        if (!words[i].ratio)
            return fail(Failure("--unit " + units[i] + " needs its ratio: NAME=RATIO"));
    CustomConversion conversion;
    conversion.name = *name;
    conversion.glyph = glyph.value_or("");
    for (const auto& word : words)
        conversion.units.push_back(customUnit(word));
    return checked(share::sanitizedConversion(std::move(conversion)));
}

} // namespace zelvane::cli
