// UserState: tolerant reads, where the converter starts, custom items and the record checks.
#include "UserState.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TempDirectory.h"

using namespace zelvane;
using nlohmann::json;
using ravodozu::KeypadState;

namespace {

class UserStateTest : public ::testing::Test {
  protected:
    void storeData(std::string_view key, std::string bytes) {
        ASSERT_TRUE(store.set(key, SettingData{std::move(bytes)}));
    }
    ravodozu::ConversionContext context() const {
        return {catalog_, std::make_shared<const ravodozu::UserPreferences>(state.preferences()),
                nullptr, std::make_shared<const ravodozu::CustomLibrary>()};
    }
    json stored(std::string_view key) const { return json::parse(*store.data(key)); }

    zelvane::testing::TempDirectory home;
    SettingsStore store{home.path() / "settings.json"};
    UserState state{store};
    std::shared_ptr<const ravodozu::UnitCatalog> catalog_ =
        std::make_shared<const ravodozu::UnitCatalog>(ravodozu::UnitCatalog::loadBundled().value());
};

TEST_F(UserStateTest, RecordsThatDoNotDecodeReadAsTheirDefaults) {
    storeData(keys::preferences, "not json");
    storeData(keys::rates, R"({"base":"USD"})");
    storeData(keys::categoryMemory, R"({"length":{"categoryId":"length","fromUnitId":"m",
        "input":"1"},"mass":{"categoryId":"mass"}})");
    ASSERT_TRUE(store.set(keys::keypad, std::string("a text, not a record")));
    EXPECT_EQ(state.preferences(), ravodozu::UserPreferences{});
    EXPECT_EQ(state.rates(), std::nullopt);
    EXPECT_TRUE(state.categoryMemory().empty()) << "one bad entry loses the whole memory";
    EXPECT_EQ(state.keypad(), std::nullopt);

    storeData(keys::preferences, R"({"significantDigits":6,"hasCompletedOnboarding":true,
                                     "region":"unitedKingdom"})");
    EXPECT_EQ(state.preferences().significantDigits, 6);
    EXPECT_EQ(state.preferencesForRun().region, ravodozu::RegionProfile::unitedKingdom)
        << "a completed first run keeps the stored region";

    storeData(keys::customLibrary, "[1]");
    EXPECT_FALSE(state.customLibrary());
    ASSERT_TRUE(store.remove(keys::customLibrary));
    EXPECT_TRUE(state.customLibrary()->isEmpty());
}

TEST_F(UserStateTest, TheConverterStartsWhereItWasLeftWhileThatStillExists) {
    EXPECT_EQ(state.currentCategory(context()), "temperature");
    auto presetStart = state.categoryStart("length", context());

    ASSERT_TRUE(state.rememberConverter({"mass", "lb", "3"}));
    ASSERT_TRUE(state.rememberConverter({"length", "ft", "12"}));
    EXPECT_EQ(state.currentCategory(context()), "length");
    EXPECT_EQ(state.categoryStart("length", context()), (KeypadState{"length", "ft", "12"}));
    EXPECT_EQ(state.categoryStart("mass", context()), (KeypadState{"mass", "lb", "3"}));
    EXPECT_EQ(stored(keys::keypad)["fromUnitId"], "ft");

    ASSERT_TRUE(state.rememberConverter({"length", "furlongish", "2"}));
    EXPECT_EQ(state.categoryStart("length", context()), presetStart) << "a unit that is gone";
    ASSERT_TRUE(state.rememberConverter({"nonsense", "x", "1"}));
    EXPECT_EQ(state.currentCategory(context()), "temperature") << "a category that is gone";
}

TEST_F(UserStateTest, CustomItemsAreAddedReplacedAndRemovedKeepingWhatIsStored) {
    storeData(keys::customLibrary, R"({"version":1,"conversions":[{"id":"keep","future":1}],
                                       "extras":[]})");
    auto conversion = ravodozu::decodeCustomConversion(json::parse(
        R"({"id":"brew","name":"Brew","units":[{"id":"l","name":"Litre","symbol":"L"}]})"));
    ASSERT_TRUE(conversion);
    ASSERT_TRUE(state.addCustomItem({*conversion}));
    EXPECT_EQ(stored(keys::customLibrary)["conversions"].size(), 2u);
    EXPECT_EQ(stored(keys::customLibrary)["conversions"][0]["future"], 1);
    EXPECT_EQ(state.preferences().customCategoryIds, std::vector<std::string>{"custom.brew"});

    conversion->name = "Tea";
    ASSERT_TRUE(state.replaceCustomItem({*conversion}));
    EXPECT_EQ(stored(keys::customLibrary)["conversions"][1]["name"], "Tea");
    EXPECT_EQ(stored(keys::customLibrary)["conversions"][0]["future"], 1);
    conversion->id = "other";
    EXPECT_FALSE(state.replaceCustomItem({*conversion}));

    ASSERT_TRUE(state.removeCustomItem("custom.brew"));
    EXPECT_EQ(stored(keys::customLibrary)["conversions"].size(), 1u);
    EXPECT_TRUE(state.preferences().customCategoryIds.empty());
    auto missing = state.removeCustomItem("brew");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), "There is no custom conversion or unit with the id brew.");
    // A library that does not read is never written over: the CLI's import and adopt test it.
}

// One record of each check, accepted and refused (a wrong type is one refusal for every typed
// key: they share the check).
TEST_F(UserStateTest, RecordsAreCheckedAsTheirOwnersReadThem) {
    const std::string keypad = R"({"categoryId":"length","fromUnitId":"m","input":"1"})";
    const std::string recent = R"({"categoryId":"length","fromUnitId":"m","toUnitId":"ft")";
    const std::vector<std::tuple<std::string_view, SettingValue, bool>> cases = {
        {keys::keypad, SettingData{keypad}, true},
        {keys::keypad, SettingData{R"({"categoryId":"length"})"}, false},
        {keys::preferences, std::string("{}"), false},
        {keys::packVariants, SettingData{R"({"pack.biblical.mass":"abd"})"}, true},
        {keys::packVariants, SettingData{R"({"pack.biblical.mass":2})"}, false},
        {keys::recents, SettingData{"[" + recent + R"(,"input":"1"}])"}, true},
        {keys::recents, SettingData{"[" + recent + R"(,"input":1}])"}, false},
        {keys::hotKey, std::string("controlOptionU"), true},
        {keys::hotKey, std::string("commandU"), false},
        {keys::panelWidth, 560.0, true},
        {keys::panelX, std::string("560"), false},
        {keys::showsInTaskbar, true, true},
        {keys::lastCopied, std::string("3.1 mi"), true},
        {"mac.somethingElse", SettingData{"anything"}, true},
    };
    for (const auto& [key, value, accepted] : cases) {
        auto problem = UserState::recordProblem(key, value);
        EXPECT_EQ(!problem, accepted) << key << ": " << problem.value_or("accepted");
    }
}

} // namespace
