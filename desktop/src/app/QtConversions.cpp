#include "QtConversions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace zelvane {

QStringList toQStringList(std::span<const std::string> texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& text : texts)
        list.append(toQString(text));
    return list;
}

std::vector<std::string> toStdStrings(const QStringList& texts) {
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(texts.size()));
    for (const auto& text : texts)
        list.push_back(toStdString(text));
    return list;
}

std::set<std::size_t> toOffsets(const QVariantList& offsets) {
    std::set<std::size_t> indices;
    for (const auto& offset : offsets) {
        bool isNumber = false;
        auto index = offset.toLongLong(&isNumber);
        if (isNumber && index >= 0)
            indices.insert(static_cast<std::size_t>(index));
    }
    return indices;
}

// Both sides go through JSON text inside an array, so scalars travel as well as containers.
QVariant toVariant(const nlohmann::json& value) {
    auto text = nlohmann::json::array({value}).dump();
    auto document = QJsonDocument::fromJson(QByteArray::fromStdString(text));
    return document.array().at(0).toVariant();
}

nlohmann::json toJson(const QVariant& value) {
    QJsonArray wrapper{QJsonValue::fromVariant(value)};
    auto text = QJsonDocument(wrapper).toJson(QJsonDocument::Compact).toStdString();
    return nlohmann::json::parse(text, nullptr, false).at(0);
}

} // namespace zelvane
