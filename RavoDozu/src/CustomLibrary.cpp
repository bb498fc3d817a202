#include "RavoDozu/CustomLibrary.h"

#include <algorithm>
#include <array>
#include <memory>
#include <random>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "JsonReader.h"
#include "RavoDozu/ExpressionFunctions.h"

namespace ravodozu {

using detail::JsonReader;
using nlohmann::json;

const CustomLibrary CustomLibrary::empty{};

namespace {

constexpr std::string_view customPrefix = "custom.";

constexpr std::array<std::string_view, 10> opNames{
    "add", "sub", "mul", "div", "pow", "divInto", "convert", "ratioMul", "ratioDiv", "fn"};

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

std::string stringOr(const JsonReader& reader, std::string_view key, std::string fallback) {
    auto found = reader.find(key);
    return found ? found->string() : std::move(fallback);
}

std::optional<std::string> optionalString(const JsonReader& reader, std::string_view key) {
    auto found = reader.find(key);
    if (!found)
        return std::nullopt;
    return found->string();
}

std::string idOrFresh(const JsonReader& reader) {
    auto found = reader.find("id");
    return found ? found->string() : freshCustomId();
}

CustomParameter readParameter(const JsonReader& reader) {
    return {reader["name"].string(), reader["value"].number(), stringOr(reader, "note", "")};
}

std::vector<CustomParameter> readParameters(const JsonReader& reader) {
    auto found = reader.find("params");
    if (!found)
        return {};
    return found->list(readParameter);
}

CustomStep readStep(const JsonReader& reader) {
    auto opReader = reader["op"];
    auto opText = opReader.string();
    auto op = customStepOp(opText);
    if (!op)
        opReader.fail("Cannot initialize Op from invalid String value " + opText);

    CustomStep step{*op, std::nullopt, optionalString(reader, "from"), optionalString(reader, "to"),
                    optionalString(reader, "fn")};
    if (auto number = reader.find("number"))
        step.operand = CustomOperand{number->number()};
    else if (auto parameter = reader.find("param"))
        step.operand = CustomOperand{parameter->string()};
    return step;
}

CustomRule readRule(const JsonReader& reader) {
    auto typeReader = reader["type"];
    auto type = typeReader.string();
    if (type == "ratio")
        return {CustomRule::Ratio{reader["value"].number()}};
    if (type == "steps")
        return {CustomRule::Steps{reader["steps"].list(readStep)}};
    if (type == "formula")
        return {CustomRule::Formula{reader["forward"].string(), optionalString(reader, "inverse")}};
    typeReader.fail("Unknown rule type");
}

CustomUnit readUnit(const JsonReader& reader) {
    CustomUnit unit;
    unit.id = idOrFresh(reader);
    unit.name = reader["name"].string();
    unit.symbol = stringOr(reader, "symbol", "");
    if (auto rule = reader.find("rule"))
        unit.rule = readRule(*rule);
    return unit;
}

CustomConversion readConversion(const JsonReader& reader) {
    CustomConversion conversion;
    conversion.id = idOrFresh(reader);
    conversion.name = reader["name"].string();
    conversion.glyph = stringOr(reader, "glyph", "");
    if (auto decimals = reader.find("decimals"))
        conversion.decimals = decimals->integer();
    conversion.parameters = readParameters(reader);
    conversion.units = reader["units"].list(readUnit);
    conversion.source = optionalString(reader, "source");
    return conversion;
}

CustomExtraUnit readExtra(const JsonReader& reader) {
    CustomExtraUnit extra;
    extra.id = idOrFresh(reader);
    extra.categoryId = reader["category"].string();
    extra.referenceUnitId = reader["reference"].string();
    extra.parameters = readParameters(reader);
    extra.unit = readUnit(reader["unit"]);
    extra.source = optionalString(reader, "source");
    return extra;
}

/// A list read element by element, keeping only the elements that decoded.
template <class T> struct LossyArray { std::vector<T> elements; };

template <class T, class F>
LossyArray<T> readLossy(const json& document, std::string_view key, F&& read) {
    LossyArray<T> result;
    auto found = document.find(std::string(key));
    if (found == document.end() || !found->is_array())
        return result;
    for (std::size_t i = 0; i < found->size(); ++i) {
        auto element = detail::decodeWith([&] { return read(JsonReader((*found)[i])); });
        if (element)
            result.elements.push_back(std::move(*element));
    }
    return result;
}

json encodeParameters(const std::vector<CustomParameter>& parameters) {
    json list = json::array();
    for (const auto& parameter : parameters)
        list.push_back(encodeCustomParameter(parameter));
    return list;
}

/// Whether a grapheme cluster starting at `c` counts as a letter or a numeric character.
bool isLetter(UChar32 c) {
    return (U_GET_GC_MASK(c) & U_GC_L_MASK) != 0;
}
bool isNumeric(UChar32 c) {
    return (U_GET_GC_MASK(c) & U_GC_N_MASK) != 0;
}

} // namespace

std::string_view rawValue(CustomStep::Op op) {
    return opNames[static_cast<std::size_t>(op)];
}

std::optional<CustomStep::Op> customStepOp(std::string_view text) {
    for (std::size_t i = 0; i < opNames.size(); ++i)
        if (opNames[i] == text)
            return static_cast<CustomStep::Op>(i);
    return std::nullopt;
}

const CustomConversion* CustomLibrary::conversion(std::string_view categoryId) const {
    if (!isCustomCategoryId(categoryId))
        return nullptr;
    auto id = categoryId.substr(customPrefix.size());
    // The last one, as the resolver lets a later conversion with the same id replace an earlier.
    auto found =
        std::find_if(conversions.rbegin(), conversions.rend(),
                     [&](const CustomConversion& conversion) { return conversion.id == id; });
    return found == conversions.rend() ? nullptr : &*found;
}

bool isCustomCategoryId(std::string_view categoryId) {
    return categoryId.starts_with(customPrefix);
}

bool isValidParameterName(std::string_view name) {
    if (name.empty())
        return false;
    auto text = icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), name.size()));
    UErrorCode status = U_ZERO_ERROR;
    static const std::unique_ptr<icu::BreakIterator> prototype(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (!prototype)
        return false;
    std::unique_ptr<icu::BreakIterator> clusters(prototype->clone());
    clusters->setText(text);

    int count = 0;
    for (int32_t start = clusters->first(), end = clusters->next(); end != icu::BreakIterator::DONE;
         start = end, end = clusters->next()) {
        UChar32 c = text.char32At(start);
        if (count == 0 && (!isLetter(c) || c == U'π'))
            return false;
        if (++count > 20)
            return false;
        if (!isLetter(c) && !isNumeric(c) && c != U'_')
            return false;
    }
    std::string lower;
    text.toLower(icu::Locale::getRoot()).toUTF8String(lower);
    return !ExpressionFunctions::isReserved(lower);
}

std::string freshCustomId() {
    // A version-4 UUID's first 32 bits are all random, so 8 hex digits of it are just random.
    thread_local std::mt19937_64 generator{[] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }()};
    static constexpr char digits[] = "0123456789abcdef";
    auto bits = generator();
    std::string id(8, '0');
    for (auto& digit : id) {
        digit = digits[bits & 0xF];
        bits >>= 4;
    }
    return id;
}

Result<CustomLibrary, DecodingError> decodeCustomLibrary(const json& document) {
    auto checked = detail::decodeWith([&] { return JsonReader(document).object().size(); });
    if (!checked)
        return fail(checked.error());

    CustomLibrary library;
    auto version = detail::decodeWith([&] { return JsonReader(document)["version"].integer(); });
    if (version)
        library.version = *version;
    library.conversions =
        readLossy<CustomConversion>(document, "conversions", readConversion).elements;
    library.extras = readLossy<CustomExtraUnit>(document, "extras", readExtra).elements;
    return library;
}

Result<CustomLibrary, DecodingError> decodeCustomLibraryData(std::string_view bytes) {
    auto document = detail::parseJson(bytes);
    if (!document)
        return fail(document.error());
    return decodeCustomLibrary(*document);
}

Result<CustomConversion, DecodingError> decodeCustomConversion(const json& object) {
    return detail::decodeWith([&] { return readConversion(object); });
}
Result<CustomExtraUnit, DecodingError> decodeCustomExtraUnit(const json& object) {
    return detail::decodeWith([&] { return readExtra(object); });
}
Result<CustomUnit, DecodingError> decodeCustomUnit(const json& object) {
    return detail::decodeWith([&] { return readUnit(object); });
}
Result<CustomRule, DecodingError> decodeCustomRule(const json& object) {
    return detail::decodeWith([&] { return readRule(object); });
}
Result<CustomStep, DecodingError> decodeCustomStep(const json& object) {
    return detail::decodeWith([&] { return readStep(object); });
}
Result<CustomParameter, DecodingError> decodeCustomParameter(const json& object) {
    return detail::decodeWith([&] { return readParameter(object); });
}

json encodeCustomLibrary(const CustomLibrary& library) {
    json conversions = json::array();
    for (const auto& conversion : library.conversions)
        conversions.push_back(encodeCustomConversion(conversion));
    json extras = json::array();
    for (const auto& extra : library.extras)
        extras.push_back(encodeCustomExtraUnit(extra));
    return {{"version", library.version}, {"conversions", conversions}, {"extras", extras}};
}

json encodeCustomConversion(const CustomConversion& conversion) {
    json units = json::array();
    for (const auto& unit : conversion.units)
        units.push_back(encodeCustomUnit(unit));
    json object{{"id", conversion.id},
                {"name", conversion.name},
                {"glyph", conversion.glyph},
                {"params", encodeParameters(conversion.parameters)},
                {"units", units}};
    if (conversion.decimals)
        object["decimals"] = *conversion.decimals;
    if (conversion.source)
        object["source"] = *conversion.source;
    return object;
}

json encodeCustomExtraUnit(const CustomExtraUnit& extra) {
    json object{{"id", extra.id},
                {"category", extra.categoryId},
                {"reference", extra.referenceUnitId},
                {"params", encodeParameters(extra.parameters)},
                {"unit", encodeCustomUnit(extra.unit)}};
    if (extra.source)
        object["source"] = *extra.source;
    return object;
}

json encodeCustomUnit(const CustomUnit& unit) {
    json object{{"id", unit.id}, {"name", unit.name}, {"symbol", unit.symbol}};
    if (unit.rule)
        object["rule"] = encodeCustomRule(*unit.rule);
    return object;
}

json encodeCustomRule(const CustomRule& rule) {
    return std::visit(Overloaded{
                          [](const CustomRule::Ratio& ratio) {
                              return json{{"type", "ratio"}, {"value", ratio.value}};
                          },
                          [](const CustomRule::Steps& steps) {
                              json list = json::array();
                              for (const auto& step : steps.steps)
                                  list.push_back(encodeCustomStep(step));
                              return json{{"type", "steps"}, {"steps", list}};
                          },
                          [](const CustomRule::Formula& formula) {
                              json object{{"type", "formula"}, {"forward", formula.forward}};
                              if (formula.inverse)
                                  object["inverse"] = *formula.inverse;
                              return object;
                          },
                      },
                      rule.value);
}

json encodeCustomStep(const CustomStep& step) {
    json object{{"op", rawValue(step.op)}};
    if (step.operand) {
        if (auto number = step.operand->number())
            object["number"] = *number;
        else
            object["param"] = *step.operand->parameter();
    }
    if (step.from)
        object["from"] = *step.from;
    if (step.to)
        object["to"] = *step.to;
    if (step.function)
        object["fn"] = *step.function;
    return object;
}

json encodeCustomParameter(const CustomParameter& parameter) {
    return {{"name", parameter.name}, {"value", parameter.value}, {"note", parameter.note}};
}

} // namespace ravodozu
