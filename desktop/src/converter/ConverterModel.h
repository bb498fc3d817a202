// ConverterModel: the open category, the unit of the typed value and the typed text, remembered
// per category and shared with the widget state; reached from QML as `AppState.converter`.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/UnitCatalog.h"

namespace zelvane {

class AppState;

class ConverterModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The converter belongs to AppState")

    Q_PROPERTY(QString categoryId READ categoryId WRITE setCategoryId NOTIFY categoryIdChanged)
    Q_PROPERTY(QString fromUnitId READ fromUnitId WRITE setFromUnitId NOTIFY fromUnitIdChanged)
    Q_PROPERTY(QString input READ input WRITE setInput NOTIFY inputChanged)

  public:
    /// Opens the first favourite category where the user left it (or at its preset), and
    /// drops the obsolete "recentCategories" key.
    explicit ConverterModel(AppState& app, QObject* parent = nullptr);

    QString categoryId() const;
    QString fromUnitId() const;
    QString input() const;

    /// Plain assignments, no side effects.
    void setCategoryId(const QString& categoryId);
    void setFromUnitId(const QString& fromUnitId);
    /// Stores the text (even when unchanged) and persists the converter's state.
    void setInput(const QString& input);

    /// The unit of the typed value in the open category; none when either is missing.
    std::optional<ravodozu::UnitDefinition> currentFromUnit() const;

    Q_INVOKABLE void switchCategory(const QString& categoryId);
    /// Converts the typed value into the unit and makes it the value's unit.
    Q_INVOKABLE void selectFromUnit(const QString& unitId);
    Q_INVOKABLE void togglePinned(const QString& unitId);
    Q_INVOKABLE void toggleHidden(const QString& unitId);
    /// The open category's step text, or undefined.
    Q_INVOKABLE QVariant stepText() const;
    /// Stores a step that reads as a positive number; anything else removes the step.
    Q_INVOKABLE void setStepText(const QVariant& text);
    Q_INVOKABLE void setShowsOtherUnits(bool shows);
    /// The Chinese magnitude word of the typed value (万, 億 …), or undefined.
    Q_INVOKABLE QVariant inputMagnitude() const;
    /// [{id, name}] of the favourite categories.
    Q_INVOKABLE QVariantList favoriteChips() const;
    Q_INVOKABLE bool matchesSearch(const QString& categoryId, const QString& lowered) const;
    Q_INVOKABLE QStringList searchCategories(const QString& text) const;
    /// [{id, items: [{id, name}]}] of the categories page.
    Q_INVOKABLE QVariantList categorySections() const;

  signals:
    void categoryIdChanged();
    void fromUnitIdChanged();
    void inputChanged();

  private:
    void persist();
    double inputValue() const;
    bool matches(const std::string& categoryId, const QString& lowered,
                 const ravodozu::ConversionContext& context,
                 const std::vector<std::string>& languages) const;

    AppState& app_;
    std::string categoryId_;
    std::string fromUnitId_;
    std::string input_;
};

} // namespace zelvane
