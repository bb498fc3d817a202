// ConverterModel: the open category, the unit of the typed value and the typed text, remembered
// per category and shared with the widget state; reached from QML as `AppState.converter`.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QStringList>
#include <QTimer>
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
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(bool editsWidgetValue READ editsWidgetValue WRITE setEditsWidgetValue NOTIFY
                   editsWidgetValueChanged)
    /// How often the widget state was announced as changed (there is no desktop widget here;
    /// the count shows the debounce at work).
    Q_PROPERTY(int widgetReloads READ widgetReloads NOTIFY widgetReloaded)

  public:
    /// Delays of the two debounced tasks, in milliseconds.
    struct Delays {
        int widgetReload = 800;
        int queryStep = 1500;
    };

    /// Opens the first favourite category where the user left it (or at its preset), and
    /// drops the obsolete "recentCategories" key.
    explicit ConverterModel(AppState& app, QObject* parent = nullptr);

    QString categoryId() const;
    QString fromUnitId() const;
    QString input() const;
    bool isLoading() const { return isLoading_; }
    bool editsWidgetValue() const { return editsWidgetValue_; }
    int widgetReloads() const { return widgetReloads_; }
    bool hasPendingWidgetReload() const { return widgetReloadTask_.isActive(); }
    bool hasPendingQuery() const { return queryCountTask_.isActive(); }

    /// Plain assignments, no side effects.
    void setCategoryId(const QString& categoryId);
    void setFromUnitId(const QString& fromUnitId);
    /// Stores the text (even when unchanged), persists the converter's state and restarts the
    /// debounced tasks.
    void setInput(const QString& input);
    void setEditsWidgetValue(bool edits);
    void setDelays(Delays delays);

    /// Runs the debounced query step now when one is waiting, so a value typed just before the
    /// panel goes away still counts.
    void runPendingQueryStep();
    /// Tells the desktop's widgets to read the converter's state again.
    void reloadWidget();

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
    void isLoadingChanged();
    void editsWidgetValueChanged();
    void widgetReloaded();

  private:
    void persist();
    void runQueryStep();
    void setLoading(bool loading);
    double inputValue() const;
    bool matches(const std::string& categoryId, const QString& lowered,
                 const ravodozu::ConversionContext& context,
                 const std::vector<std::string>& languages) const;

    AppState& app_;
    std::string categoryId_;
    std::string fromUnitId_;
    std::string input_;
    bool isLoading_ = false;
    bool editsWidgetValue_ = false;
    int widgetReloads_ = 0;
    QTimer queryCountTask_;
    QTimer widgetReloadTask_;
};

} // namespace zelvane
