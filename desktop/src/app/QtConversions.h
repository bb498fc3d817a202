// QtConversions: moving texts, lists and JSON between the Qt-free layer and QML.
#pragma once

#include <set>
#include <span>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <nlohmann/json.hpp>

namespace zelvane {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

QStringList toQStringList(std::span<const std::string> texts);
std::vector<std::string> toStdStrings(const QStringList& texts);
/// The non-negative whole numbers of a QML list of indices.
std::set<std::size_t> toOffsets(const QVariantList& offsets);

/// A JSON value as QML sees it (objects become maps, arrays lists).
QVariant toVariant(const nlohmann::json& value);
/// A QML value as JSON; undefined becomes null.
nlohmann::json toJson(const QVariant& value);

} // namespace zelvane
