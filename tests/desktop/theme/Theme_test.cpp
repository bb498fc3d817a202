// The tables a category or unit is drawn from (category themes and their icons, unit flags, the
// region-to-emoji rule), the shipped icons, the icon provider and the flag and icon components,
// which draw what the Theme singleton hands QML.
#include <QDirIterator>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "CategoryTheme.h"
#include "IconAssets.h"
#include "IconProvider.h"
#include "RavoDozu/UnitCatalog.h"
#include "ThemeIcon.h"
#include "UnitFlag.h"

namespace zelvane {
namespace {

const QString sourceDir = QStringLiteral(ZELVANE_SOURCE_DIR);

std::set<std::string> shippedNames() {
    std::set<std::string> names;
    for (auto name : IconAssets::names())
        names.emplace(name);
    return names;
}

QStringList filesUnder(const QString& folder, const QString& pattern) {
    QStringList files;
    QDirIterator it(sourceDir + folder, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

// The icon names a QML file asks for: the literals on lines that pass a symbol, leaving out
// the texts' localisation keys.
std::set<std::string> symbolsUsedIn(const QString& path) {
    static const QRegularExpression symbolLine(QStringLiteral(R"(iconSource|[sS]ymbol\w*\s*:)"));
    static const QRegularExpression textKey(QStringLiteral(R"re(qsTrId\(\s*"[^"]*"\s*\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("([a-zA-Z][\w.]*)")re"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::set<std::string> names;
    for (auto line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.contains(symbolLine))
            continue;
        line.remove(textKey);
        for (auto match : literal.globalMatch(line))
            names.insert(match.captured(1).toStdString());
    }
    return names;
}

TEST(IconAssets, EveryListedNameIsAFileThatRendersAndNoFileIsUnlisted) {
    std::set<std::string> files;
    for (const auto& path : filesUnder("/desktop/assets/icons", "*.svg")) {
        files.insert(QFileInfo(path).completeBaseName().toStdString());
        EXPECT_TRUE(QSvgRenderer(path).isValid()) << path.toStdString();
    }
    EXPECT_EQ(files, shippedNames());
    for (const auto& name : files)
        EXPECT_TRUE(QFile::exists(IconProvider::resourcePath(QString::fromStdString(name))))
            << name << " is not among the resources";
}

TEST(IconAssets, EverySymbolTheCategoriesAndViewsAskForIsShipped) {
    auto catalog = ravodozu::UnitCatalog::loadBundled();
    ASSERT_TRUE(catalog) << catalog.error().describe();
    std::set<std::string> wanted{"banknote", "FlagTW", "TrayIcon"};
    wanted.insert(CategoryTheme::forCategory("custom.any", {}).symbol);
    for (const auto& category : catalog->categories())
        wanted.insert(CategoryTheme::forCategory(category.id, {}).symbol);
    for (const auto& path : filesUnder("/desktop/qml", "*.qml"))
        for (auto name : symbolsUsedIn(path))
            wanted.insert(name);
    std::set<std::string> missing;
    std::ranges::copy_if(wanted, std::inserter(missing, missing.end()),
                         [](const auto& name) { return !IconAssets::file(name); });
    EXPECT_EQ(missing, std::set<std::string>{});
}

TEST(IconProvider, RendersTintedAtTheRequestedSize) {
    IconProvider provider;
    QSize size;
    auto star = provider.requestImage("star.fill/ff0000", &size, {48, 48});
    EXPECT_EQ(size, QSize(48, 48));
    EXPECT_EQ(star.pixelColor(24, 26), QColor(Qt::red));

    auto flag = provider.requestImage("FlagTW/00ff00", &size, {30, 0});
    EXPECT_EQ(size, QSize(30, 20));
    EXPECT_LT(flag.pixelColor(25, 15).green(), 64); // keeps its own red field, not the green

    EXPECT_TRUE(provider.requestImage("no.such.symbol", &size, {16, 16}).isNull());
    EXPECT_FALSE(IconProvider::trayIcon().pixmap(22, 22).isNull());
}

class ThemeComponents : public ::testing::Test {
  protected:
    // Qt 6.4 places the module's qmldir at the resource root, outside the default import paths.
    void SetUp() override { engine.addImportPath(QStringLiteral("qrc:/")); }

    std::unique_ptr<QQuickItem> create(const QByteArray& qml) {
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport Zelvane\n" + qml, QUrl("test.qml"));
        auto item = std::unique_ptr<QQuickItem>(qobject_cast<QQuickItem*>(component.create()));
        EXPECT_TRUE(item) << component.errorString().toStdString();
        return item;
    }

    static QQuickItem* child(QQuickItem* item, const char* name) {
        return item->findChild<QQuickItem*>(name);
    }

    static bool shows(QQuickItem* item, const char* name) {
        auto* found = child(item, name);
        return found && found->isVisible();
    }

    QQmlEngine engine;
};

TEST_F(ThemeComponents, UnitFlagShowsTheRightKindOfFlag) {
    auto taiwan = create("UnitFlag { categoryId: 'currency'; unitId: 'TWD'; size: 20 }");
    ASSERT_TRUE(taiwan);
    EXPECT_TRUE(shows(taiwan.get(), "taiwanFlag"));
    EXPECT_FALSE(shows(taiwan.get(), "flagEmoji"));
    EXPECT_EQ(child(taiwan.get(), "taiwanFlag")->property("status").toInt(), 1); // Image.Ready
    EXPECT_DOUBLE_EQ(taiwan->implicitWidth(), 26);

    auto dollar = create("UnitFlag { categoryId: 'currency'; unitId: 'USD'; size: 20 }");
    EXPECT_EQ(child(dollar.get(), "flagEmoji")->property("text"), "🇺🇸");
    EXPECT_TRUE(shows(dollar.get(), "flagEmoji"));

    auto token = create("UnitFlag { categoryId: 'currency'; unitId: 'USDT'; size: 20 }");
    EXPECT_TRUE(shows(token.get(), "banknote"));
    EXPECT_EQ(child(token.get(), "banknote")->property("status").toInt(), 1);
    token->setProperty("dark", true);
    EXPECT_EQ(child(token.get(), "banknote")->property("source").toUrl().toString(),
              "image://zelvane-icon/banknote/aeaeb2");

    auto plain = create("UnitFlag { categoryId: 'length'; unitId: 'jin'; size: 20 }");
    EXPECT_DOUBLE_EQ(plain->implicitWidth(), 0);
}

const CategoryTheme::CustomGlyphs noGlyphs;

std::string flagOf(const char* region) {
    return regionFlag(region).value();
}

// Every entry of the tables names a category or unit that exists: a mistyped id would silently
// lose a theme or a flag.
TEST(CategoryTheme, EveryBundledCategoryAndTabledUnitExists) {
    auto catalog = ravodozu::UnitCatalog::loadBundled();
    ASSERT_TRUE(catalog) << catalog.error().describe();
    const auto length = CategoryTheme::forCategory("length", noGlyphs);
    int regional = 0;
    std::set<std::pair<std::string, std::string>> taiwan;
    for (const auto& category : catalog->categories()) {
        if (category.id != "length") {
            EXPECT_NE(CategoryTheme::forCategory(category.id, noGlyphs), length) << category.id;
        }
        for (const auto& unit : category.units) {
            regional += flagEmoji(category.id, unit.id).has_value();
            if (isTaiwanUnit(category.id, unit.id))
                taiwan.emplace(category.id, unit.id);
        }
    }
    EXPECT_NE(CategoryTheme::forCategory(catalog->currencyCategoryId(), noGlyphs), length);
    EXPECT_EQ(regional, 25);
    EXPECT_EQ(taiwan, (std::set<std::pair<std::string, std::string>>{
                          {"mass", "tw_jin"}, {"mass", "tw_liang"}, {"area", "ping"}}));
    EXPECT_NE(catalog->currency().currency("TWD"), nullptr);
    for (auto id : {"", "Length", "pack.sewing", "customs", "temperature "})
        EXPECT_EQ(CategoryTheme::forCategory(id, noGlyphs), length) << "unknown: " << id;
}

TEST(CategoryTheme, CustomCategoriesShareOneThemeWithTheirGlyph) {
    ravodozu::CustomLibrary library;
    for (auto [id, glyph] : {std::pair{"dough", "🍞"}, {"plain", ""}, {"dough", "🥐"}}) {
        ravodozu::CustomConversion conversion;
        conversion.id = id;
        conversion.glyph = glyph;
        library.conversions.push_back(conversion);
    }
    auto glyphs = CategoryTheme::customGlyphs(library);
    auto dough = CategoryTheme::forCategory("custom.dough", glyphs);
    auto gone = CategoryTheme::forCategory("custom.gone", glyphs);
    EXPECT_EQ(dough.glyph, "🍞");
    EXPECT_EQ(CategoryTheme::forCategory("custom.plain", glyphs).glyph, "");
    EXPECT_EQ(gone.glyph, std::nullopt);
    EXPECT_EQ(gone.symbol, "wand.and.stars");
    dough.glyph = gone.glyph;
    EXPECT_EQ(dough, gone);

    // The icon: the glyph, else the category's own image, else its symbol.
    auto custom = CategoryTheme::forCategory("custom.x", {{"custom.x", "★"}});
    EXPECT_EQ(std::get<ThemeIcon::Glyph>(ThemeIcon::of(custom).kind).text, "★");
    auto blank = CategoryTheme::forCategory("custom.x", {{"custom.x", ""}});
    EXPECT_EQ(std::get<ThemeIcon::Symbol>(ThemeIcon::of(blank).kind).name, "wand.and.stars");
    auto capacitance = CategoryTheme::forCategory("capacitance", noGlyphs);
    EXPECT_EQ(std::get<ThemeIcon::Image>(ThemeIcon::of(capacitance).kind).name, "ut.capacitor");
}

TEST(UnitFlag, CurrenciesTakeTheirCodesRegionRegionalUnitsTheirCategorys) {
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"currency", "XAU", "\U0001F1FD\U0001F1E6"}, // no real region, still XA
        {"currency", "US", std::nullopt},
        {"mass", "jin", flagOf("CN")},
        {"length", "jin", std::nullopt},
        {"mass", "tw_jin", std::nullopt},
        {"length", "USD", std::nullopt},
    };
    for (const auto& [category, unit, flag] : cases)
        EXPECT_EQ(flagEmoji(category, unit), flag) << category << "." << unit;

    // Taiwan's units are drawn with the image only in their category. A currency's own flag, a
    // token's banknote and Taiwan's image: UnitFlag's QML test.
    EXPECT_TRUE(std::holds_alternative<UnitFlag::TaiwanImage>(UnitFlag::of("mass", "tw_jin").kind));
    EXPECT_TRUE(std::holds_alternative<UnitFlag::None>(UnitFlag::of("length", "tw_jin").kind));
}

TEST(RegionFlag, NeedsExactlyTwoScalarsAfterSkippingThoseBeyondUnicode) {
    for (const char* refused : {"A", "ABC", "", "A\U000FFFFD"})
        EXPECT_EQ(regionFlag(refused), std::nullopt) << refused;
    // U+FFFFD plus the offset lies beyond U+10FFFF: skipped, so two letters remain.
    EXPECT_EQ(regionFlag("A\U000FFFFDB"), flagOf("AB"));
    // Any scalar within range is shifted, letters or not.
    EXPECT_EQ(regionFlag("é1"), "\U0001F28E\U0001F1D6");
}

} // namespace
} // namespace zelvane
