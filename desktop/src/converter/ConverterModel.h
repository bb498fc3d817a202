// ConverterModel: the open category, the unit of the typed value and the typed text, remembered
// per category and shared with the widget state; reached from QML as `AppState.converter`.
#pragma once

#include <optional>
#include <string>

#include <QObject>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/UnitCatalog.h"

Q_MOC_INCLUDE("InputFlow.h")

namespace zelvane {

class AppState;
class InputFlow;

class ConverterModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The converter belongs to AppState")

    Q_PROPERTY(QString categoryId READ categoryId WRITE setCategoryId NOTIFY categoryIdChanged)
    Q_PROPERTY(QString fromUnitId READ fromUnitId WRITE setFromUnitId NOTIFY fromUnitIdChanged)
    Q_PROPERTY(QString input READ input WRITE setInput NOTIFY inputChanged)
    /// The converter page's input over this model.
    Q_PROPERTY(zelvane::InputFlow* flow READ flow CONSTANT)

  public:
    /// Opens the first favourite category where the user left it (or at its preset), and
    /// drops the obsolete "recentCategories" key.
    explicit ConverterModel(AppState& app, QObject* parent = nullptr);

    QString categoryId() const;
    QString fromUnitId() const;
    QString input() const;
    InputFlow* flow() const { return flow_; }

    /// Plain assignments, no side effects.
    void setCategoryId(const QString& categoryId);
    void setFromUnitId(const QString& fromUnitId);
    /// Stores the text (even when unchanged) and persists the converter's state.
    void setInput(const QString& input);

    /// The unit of the typed value in the open category; none when either is missing.
    std::optional<ravodozu::UnitDefinition> currentFromUnit() const;

    Q_INVOKABLE void switchCategory(const QString& categoryId);
    /// Opens a conversion as it was typed: category, source unit and input, persisted.
    void open(const QString& categoryId, const QString& fromUnitId, const QString& input);
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

  signals:
    void categoryIdChanged();
    void fromUnitIdChanged();
    void inputChanged();

  private:
    /// Sets all three and persists them before any observer hears of the change, so that none
    /// sees a category with the unit of another.
    void assign(std::string categoryId, std::string fromUnitId, std::string input);
    void persist();
    double inputValue() const;
    /// A category that is gone (its pack switched off, its conversion removed) gives way to
    /// the first favourite.
    void leaveVanishedCategory();

    AppState& app_;
    std::string categoryId_;
    std::string fromUnitId_;
    std::string input_;
    InputFlow* flow_;
};

} // namespace zelvane
