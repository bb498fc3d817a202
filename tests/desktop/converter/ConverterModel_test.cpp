// ConverterModel: where it opens, switching categories and units, and what it persists.
#include <gtest/gtest.h>

#include "AppState.h"
#include "ConverterModel.h"
#include "DesktopFixture.h"
#include "SettingsKeys.h"

namespace zelvane {
namespace {

using ravodozu::KeypadState;

class ConverterModelTest : public testing::DesktopFixture {
  protected:
    ConverterModel& open() {
        state = std::make_unique<AppState>(catalog(), store);
        return *state->converter();
    }
    void remember(const KeypadState& entry) {
        ASSERT_TRUE(UserState(store).rememberConverter(entry));
    }
    KeypadState keypad() { return UserState(store).keypad().value_or(KeypadState{}); }

    std::unique_ptr<AppState> state;
};

TEST_F(ConverterModelTest, OpensTheFirstFavouriteAtItsPresetAndDropsTheObsoleteKey) {
    ASSERT_TRUE(store.set(keys::recentCategories, SettingData{"[]"}));
    auto& model = open();
    auto preset = state->context().preset("temperature");
    EXPECT_EQ(model.categoryId(), "temperature");
    EXPECT_EQ(model.fromUnitId().toStdString(), preset.from);
    EXPECT_EQ(model.input().toStdString(), preset.input);
    EXPECT_FALSE(store.value(keys::recentCategories));
    EXPECT_EQ(state->converter(), &model) << "one model per state";
}

TEST_F(ConverterModelTest, ARememberedUnitIsKeptAtCreationButNotOnASwitch) {
    remember({"temperature", "gone", "12"});
    remember({"length", "gone", "7"});
    auto& model = open();
    EXPECT_EQ(model.fromUnitId(), "gone");
    EXPECT_EQ(model.input(), "12");
    EXPECT_FALSE(model.currentFromUnit());

    model.switchCategory("length");
    auto preset = state->context().preset("length");
    EXPECT_EQ(model.fromUnitId().toStdString(), preset.from);
    EXPECT_EQ(model.input().toStdString(), preset.input);
    EXPECT_EQ(keypad(), (KeypadState{"length", preset.from, preset.input}));
}

TEST_F(ConverterModelTest, SwitchingRestoresTheRememberedPlace) {
    remember({"length", "km", "42"});
    auto& model = open();
    // Observers hear of a switch only once the category, unit and input all belong together.
    QString unitHeard;
    QObject::connect(&model, &ConverterModel::categoryIdChanged,
                     [&] { unitHeard = model.fromUnitId() + " " + model.input(); });
    model.switchCategory("length");
    EXPECT_EQ(unitHeard, "km 42");
    EXPECT_EQ(model.categoryId(), "length");
    EXPECT_EQ(model.fromUnitId(), "km");
    EXPECT_EQ(model.input(), "42");

    ASSERT_TRUE(store.remove(keys::keypad));
    model.switchCategory("length");
    EXPECT_FALSE(store.value(keys::keypad)) << "switching to the open category persists nothing";
}

TEST_F(ConverterModelTest, SelectingAUnitConvertsTheInput) {
    remember({"length", "m", "1500"});
    auto& model = open();
    model.switchCategory("length");
    struct Case {
        const char* input;
        const char* unit;
        const char* expected;
    };
    for (auto [input, unit, expected] :
         {Case{"1500", "km", "1.5"}, Case{"abc", "m", "0"}, Case{"1.50000001", "m", "1.5"},
          Case{"2", "nonexistent", "2"}}) {
        SCOPED_TRACE(input);
        model.setInput(input);
        model.selectFromUnit(unit);
        EXPECT_EQ(model.input(), expected);
    }
    EXPECT_EQ(model.fromUnitId(), "m");
    EXPECT_EQ(state->userState().categoryMemory().at("length"), (KeypadState{"length", "m", "2"}));
}

TEST_F(ConverterModelTest, TypingPersistsEveryChange) {
    auto& model = open();
    int writes = 0;
    for (const char* text : {"1", "12", "123", "1234", "12345"}) {
        model.setInput(text);
        writes += keypad().input == text;
    }
    EXPECT_EQ(writes, 5);
    EXPECT_EQ(state->userState().categoryMemory().at("temperature").input, "12345");
}

// Pins and hidden units are edited by UserPreferences (and stored as SettingsFollow tests).
TEST_F(ConverterModelTest, StepEditsGoToThePreferences) {
    remember({"length", "m", "1"});
    auto& model = open();
    model.switchCategory("length");
    model.setShowsOtherUnits(false);
    EXPECT_FALSE(UserState(store).preferences().showsOtherUnits);

    model.setStepText(QString("0,5"));
    EXPECT_EQ(model.stepText().toString(), "0,5");
    for (QVariant removing : {QVariant(QString("0")), QVariant(QString("")), QVariant()}) {
        model.setStepText(QString("2"));
        model.setStepText(removing);
        EXPECT_FALSE(model.stepText().isValid());
    }
    EXPECT_FALSE(UserState(store).preferences().stepSizes.contains("length"));
}

TEST_F(ConverterModelTest, MagnitudeWordsOnlyForChinese) {
    auto& model = open();
    model.setInput("123456789");
    state->setPreference("languageCode", "zh-Hant-TW");
    EXPECT_EQ(model.inputMagnitude().toString(), "億");
    state->setPreference("languageCode", "en");
    EXPECT_FALSE(model.inputMagnitude().isValid());
}

} // namespace
} // namespace zelvane
