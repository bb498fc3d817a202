#include "Theme.h"

#include <QQmlEngine>

#include "CategoryTheme.h"
#include "IconAssets.h"
#include "IconProvider.h"
#include "ThemeIcon.h"
#include "UnitFlag.h"

namespace zelvane {

namespace {

QColor colour(Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };

QVariantMap flagMap(const UnitFlag& flag) {
    return std::visit(
        Overloaded{
            [](const UnitFlag::None&) {
                return QVariantMap{{"kind", "none"}};
            },
            [](const UnitFlag::TaiwanImage&) {
                return QVariantMap{{"kind", "taiwan"}};
            },
            [](const UnitFlag::Emoji& emoji) {
                return QVariantMap{{"kind", "emoji"}, {"text", toQString(emoji.text)}};
            },
            [](const UnitFlag::Banknote&) {
                return QVariantMap{{"kind", "banknote"}};
            },
        },
        flag.kind);
}

} // namespace

Theme::Theme(QQmlEngine* engine, QObject* parent) : QObject(parent) {
    const auto id = QString::fromLatin1(IconProvider::id);
    if (engine && !engine->imageProvider(id))
        engine->addImageProvider(id, new IconProvider);
}

Theme* Theme::create(QQmlEngine* engine, QJSEngine*) {
    return new Theme(engine);
}

QVariantMap Theme::categoryTheme(const QString& categoryId, bool dark,
                                 const QVariantMap& customGlyphs) const {
    CategoryTheme::CustomGlyphs glyphs;
    for (auto [id, glyph] : customGlyphs.asKeyValueRange())
        glyphs.emplace(id.toStdString(), glyph.toString().toStdString());
    auto theme = CategoryTheme::forCategory(categoryId.toStdString(), glyphs);
    QVariantMap map{{"start", colour(theme.start)},
                    {"end", colour(theme.end)},
                    {"shade", colour(theme.shade)},
                    {"deep", colour(theme.deep().in(dark))},
                    {"symbol", toQString(theme.symbol)}};
    auto icon = ThemeIcon::of(theme);
    if (auto* glyph = std::get_if<ThemeIcon::Glyph>(&icon.kind))
        map.insert("glyph", toQString(glyph->text));
    return map;
}

QColor Theme::surface(bool dark) const {
    return colour(panelSurface.in(dark));
}

QString Theme::flagEmoji(const QString& categoryId, const QString& unitId) const {
    return toQString(
        zelvane::flagEmoji(categoryId.toStdString(), unitId.toStdString()).value_or(std::string()));
}

QVariantMap Theme::unitFlag(const QString& categoryId, const QString& unitId) const {
    return flagMap(UnitFlag::of(categoryId.toStdString(), unitId.toStdString()));
}

QString Theme::iconSource(const QString& name, const QVariant& colour) const {
    if (!IconAssets::file(name.toStdString()))
        return {};
    auto source = QStringLiteral("image://%1/%2").arg(QLatin1String(IconProvider::id), name);
    // A colour name from QML arrives as text; QVariant converts it, QColor's own overloads would
    // not.
    auto tint = colour.value<QColor>();
    if (tint.isValid() && IconAssets::isTintable(name.toStdString()))
        source += u'/' + tint.name(QColor::HexRgb).mid(1);
    return source;
}

QVariantMap Theme::customGlyphs(const ravodozu::CustomLibrary& library,
                                std::span<const ravodozu::ExtensionPack> packs) {
    QVariantMap map;
    for (const auto& [id, glyph] : CategoryTheme::customGlyphs(library, packs))
        map.insert(toQString(id), toQString(glyph));
    return map;
}

} // namespace zelvane
