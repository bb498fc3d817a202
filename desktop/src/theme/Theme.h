// Theme: category themes, flags and icons for QML, as the singleton `Theme` of module Zelvane.
#pragma once

#include <QColor>
#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <span>

#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/ExtensionPack.h"

class QQmlEngine;
class QJSEngine;

namespace zelvane {

/// Stateless: every answer depends on its arguments only, so a binding that passes the
/// appearance and the custom glyphs follows them.
class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

  public:
    /// Installs the `IconProvider` in `engine` unless it has one, so the sources `iconSource`
    /// gives load there. (No default constructor: QML must create it through `create`.)
    explicit Theme(QQmlEngine* engine, QObject* parent = nullptr);
    static Theme* create(QQmlEngine* engine, QJSEngine* scriptEngine);

    /// The theme of a category in the appearance: "start", "end", "shade" and "deep" as colours,
    /// "symbol" the icon's name, and "glyph" the text drawn instead of the icon when there is
    /// one. `customGlyphs` maps custom category ids to their glyphs (see `customGlyphs`).
    Q_INVOKABLE QVariantMap categoryTheme(const QString& categoryId, bool dark,
                                          const QVariantMap& customGlyphs = {}) const;
    /// The panel's background tone in the appearance.
    Q_INVOKABLE QColor surface(bool dark) const;
    /// The unit's flag emoji, or "" when it has none.
    Q_INVOKABLE QString flagEmoji(const QString& categoryId, const QString& unitId) const;
    /// What the flag beside a unit shows: "kind" is "none", "taiwan", "emoji" (with the flag
    /// as "text") or "banknote".
    Q_INVOKABLE QVariantMap unitFlag(const QString& categoryId, const QString& unitId) const;
    /// The image URL of the icon named `name`, tinted with `colour` (a colour or its name, as
    /// "#6e6e73") when that is one and the icon is a tintable one; "" when nothing is shipped
    /// under that name.
    Q_INVOKABLE QString iconSource(const QString& name, const QVariant& colour = {}) const;

    /// The glyphs of a library's custom conversions and of the packs' categories, as
    /// `categoryTheme` takes them.
    static QVariantMap customGlyphs(const ravodozu::CustomLibrary& library,
                                    std::span<const ravodozu::ExtensionPack> packs);
};

} // namespace zelvane
