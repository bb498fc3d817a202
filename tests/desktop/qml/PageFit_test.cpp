// Every page in every language at the smallest and the medium size: no visible text may run
// out of its box, out of a clipping parent or out of the window, and no QML warning may show.
#include <QQuickItem>
#include <QQuickWindow>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "MessageLog.h"
#include "PanelFixture.h"

namespace zelvane {
namespace {

using testing::waitFor;

const QStringList languages = {"zh-Hans", "zh-Hant", "en", "es", "de", "fr", "ja",
                               "ko",      "pt-BR",   "it", "th", "ms", "id"};
// Each page with the category it explains; currencies add the rates line to the converter.
struct View {
    PanelController::Page page;
    const char* name;
    const char* categoryId;
};
const View views[] = {{PanelController::converter, "converter", "length"},
                      {PanelController::converter, "currency", "currency"},
                      {PanelController::categories, "categories", "length"},
                      {PanelController::settings, "settings", "length"},
                      {PanelController::formula, "formula", "temperature"},
                      {PanelController::units, "units", "length"},
                      {PanelController::editor, "editor", "length"},
                      {PanelController::templates, "templates", "length"}};

// A warning of the QML's own (the platform's notes aside).
bool fromQml(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QByteArray category(context.category);
    return type != QtDebugMsg && type != QtInfoMsg &&
           (category == "qml" || category == "js" || message.contains(".qml:") ||
            message.startsWith("QString::"));
}

bool isText(const QQuickItem* item) {
    return item->inherits("QQuickText");
}

// Whether the item is drawn: visible all the way up and not faded out.
bool isShown(const QQuickItem* item) {
    for (; item; item = item->parentItem())
        if (!item->isVisible() || item->opacity() <= 0.01)
            return false;
    return true;
}

// A list or flickable whose content is meant to be scrolled sideways.
bool scrollsSideways(const QQuickItem* item) {
    const QVariant contentWidth = item->property("contentWidth");
    return item->inherits("QQuickFlickable") && contentWidth.isValid() &&
           contentWidth.toReal() > item->width() + 1;
}

class PageFitTest : public testing::PanelFixture {
  protected:
    PageFitTest() {
        settings_.addRecent({"length", "km", "mi", "12.5"});
        settings_.addRecent({"temperature", "celsius", "fahrenheit", "37"});
        settings_.addRecent({"mass", "kg", "lb", "80"});
    }

    // What is wrong with one shown text, or "".
    static QString faultOf(QQuickItem* text, const QRectF& window) {
        const QString content = text->property("text").toString();
        if (content.trimmed().isEmpty() || text->width() <= 0)
            return {};
        const bool elides = text->property("elide").toInt() != Qt::ElideNone;
        const bool wraps = text->property("wrapMode").toInt() != 0;
        const qreal contentWidth = text->property("contentWidth").toReal();
        if (!elides && !wraps && contentWidth > text->width() + 1)
            return QString("runs %1 px out of its box").arg(contentWidth - text->width());
        if (!elides && text->property("truncated").toBool())
            return "is cut";
        QRectF drawn = text->mapRectToScene(
            QRectF(0, 0, std::min<qreal>(text->width(), contentWidth), text->height()));
        for (QQuickItem* up = text->parentItem(); up; up = up->parentItem()) {
            if (scrollsSideways(up))
                return {};
            if (!up->clip())
                continue;
            const QRectF bounds = up->mapRectToScene(QRectF(0, 0, up->width(), up->height()));
            if (drawn.left() < bounds.left() - 1 || drawn.right() > bounds.right() + 1)
                return "is cut by a clipping parent";
        }
        if (drawn.left() < window.left() - 1 || drawn.right() > window.right() + 1)
            return "runs out of the window";
        return {};
    }

    static void collect(QQuickItem* from, std::vector<QQuickItem*>& into) {
        if (isText(from) && isShown(from))
            into.push_back(from);
        for (auto* child : from->childItems())
            collect(child, into);
    }

    QStringList faults(const QString& where) {
        std::vector<QQuickItem*> texts;
        collect(view_->contentItem(), texts);
        const QRectF window(0, 0, view_->width(), view_->height());
        QStringList found;
        for (auto* text : texts)
            if (const QString fault = faultOf(text, window); !fault.isEmpty())
                found << QString("%1: «%2» (%3) %4")
                             .arg(where, text->property("text").toString(),
                                  text->objectName().isEmpty()
                                      ? text->parentItem()->metaObject()->className()
                                      : text->objectName(),
                                  fault);
        return found;
    }
};

TEST_F(PageFitTest, EveryPageFitsInEveryLanguageAtTheSmallAndMediumSizes) {
    QStringList found;
    testing::MessageLog warnings(fromQml);
    for (const QString& language : languages) {
        app_.setPreference("languageCode", language);
        for (const QSize size : {QSize(364, 382), QSize(560, 420)}) {
            resize(size.width(), size.height());
            for (const auto& [page, pageName, categoryId] : views) {
                model().switchCategory(categoryId);
                controller_->show(page);
                QTest::qWait(60); // the rebuilt scope and the pages' layouts settle
                found << faults(QString("%1 %2 %3").arg(language, pageName).arg(size.width()));
            }
        }
    }
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
    EXPECT_TRUE(warnings.messages().isEmpty()) << warnings.messages().join("\n").toStdString();
}

} // namespace
} // namespace zelvane
