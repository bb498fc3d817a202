// Importing a shared custom conversion in the panel, against the real store: the preview of a
// link or share text, what the clean-up changed, refusals that say why, and nothing stored
// until Add is pressed (by mouse, keys or a screen reader).
#include <QAccessible>

#include "CustomImport.h"
#include "PanelFixture.h"
#include "RavoDozu/CustomShare.h"

namespace zelvane {
namespace {

using testing::waitFor;
namespace share = ravodozu::CustomShare;

class ImportPageTest : public testing::PanelFixture {
  protected:
    ImportPageTest() { QAccessible::setActive(true); }
    ~ImportPageTest() override { QAccessible::setActive(false); }

    std::size_t storedItems() {
        auto library = app_.userState().customLibrary();
        return library ? library->conversions.size() + library->extras.size() : 99;
    }
    QString text(const char* name) const { return item(name)->property("text").toString(); }
    bool opened() {
        return waitFor([&] { return page() == "import" && item("importPage"); });
    }
};

QString brewLink() {
    ravodozu::CustomConversion brew;
    brew.name = "  Brew";
    brew.units = {{"l", "Litre", "L", std::nullopt},
                  {"p", "Pint", "pt", ravodozu::CustomRule{ravodozu::CustomRule::Ratio{0.5}}}};
    return QString::fromStdString(*share::shareLink({brew}));
}

TEST_F(ImportPageTest, ALinkInTextIsPreviewedAndStoredOnlyWhenAccepted) {
    for (std::string_view way : {"cancel", "click", "return", "screen reader"}) {
        const std::size_t before = storedItems();
        controller_->openImport("Have a look: " + brewLink() + "\n");
        ASSERT_TRUE(opened()) << way;
        EXPECT_EQ(text("importName"), "Brew");
        EXPECT_TRUE(CustomImport::instance()->lines().contains("Pint = x / 0.5"));
        EXPECT_EQ(CustomImport::instance()->changes(),
                  QStringList{qtTrId("import.change.cut").arg("  Brew", "Brew")});
        EXPECT_EQ(storedItems(), before) << "nothing before the answer";
        auto* add = item("importAddButton");
        ASSERT_TRUE(waitFor([&] { return add->hasActiveFocus(); })) << way;
        if (way == "cancel")
            press(Qt::Key_Escape);
        else if (way == "click")
            click(add);
        else if (way == "return")
            press(Qt::Key_Return);
        else
            QAccessible::queryAccessibleInterface(add)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(waitFor([&] { return page() == "converter"; })) << way;
        EXPECT_EQ(storedItems(), before + (way == "cancel" ? 0 : 1)) << way;
        if (way != "cancel") {
            EXPECT_TRUE(flow().categoryId().startsWith("custom.")) << "opens what it added";
            EXPECT_EQ(controller_->toast(), qtTrId("import.added").arg("Brew"));
        }
    }
}

TEST_F(ImportPageTest, RefusedTextsSayWhyAndStoreNothing) {
    const QByteArray oversized = QByteArray(R"({"format":"zelvane.custom","version":1,"x":")") +
                                 QByteArray(share::maxPayloadBytes, 'a') + "\"}";
    const std::pair<QString, QString> refused[] = {
        {"zelvane:" + QString::fromUtf8("\x01\x7f\xc3\xbf\xef\xbf\xbd"),
         qtTrId("import.error.notAConversion")},
        {QString("zelvane:").repeated(2000), qtTrId("import.error.notAConversion")},
        {"zelvane:" + oversized.toBase64(QByteArray::Base64UrlEncoding),
         qtTrId("import.error.tooLarge")},
        {QString(CustomImport::maxTextLength + 1, ' '), qtTrId("import.error.tooLarge")},
        {R"({"format":"zelvane.custom","version":2})", qtTrId("import.error.newerVersion")},
        {R"({"format":"zelvane.custom","version":1,"conversion":{"name":"A","units":[{"name":"a"}]}})",
         qtTrId("import.error.invalid").arg("units")},
    };
    for (const auto& [shared, error] : refused) {
        controller_->openImport(shared);
        ASSERT_TRUE(opened());
        EXPECT_EQ(text("importError").toStdString(), error.toStdString());
        EXPECT_FALSE(item("importAddButton")->isVisible());
        ASSERT_TRUE(waitFor([&] { return item("importCancelButton")->hasActiveFocus(); }));
        press(Qt::Key_Space);
        EXPECT_TRUE(waitFor([&] { return page() == "converter"; }));
    }
    QGuiApplication::clipboard()->setText("5 km to mi");
    controller_->importFromClipboard();
    EXPECT_EQ(page(), "converter");
    EXPECT_EQ(controller_->toast(), qtTrId("import.nothing"));
    QGuiApplication::clipboard()->setText(brewLink());
    controller_->importFromClipboard();
    EXPECT_TRUE(opened());
    EXPECT_FALSE(std::filesystem::exists(home_ / "zelvane" / "settings.json") &&
                 storedItems() != 0);
}

} // namespace
} // namespace zelvane
