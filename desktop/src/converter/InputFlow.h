// InputFlow: the converter page's input — plain numbers go straight to the converter model,
// anything else is a draft phrase previewed through quick input until it is committed — with
// the rows it shows, the row selected by the arrow keys, and what Return copies.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <cstddef>
#include <optional>
#include <tuple>

#include "QuickInput.h"
#include "ShownConversion.h"
#include "ShownRows.h"
#include "UnitChoices.h"

namespace zelvane {

class AppState;
class ConverterModel;

/// Reached from QML as `AppState.converter.flow`; the views only bind to it and forward keys
/// and clicks. Everything it shows is rebuilt at once when the draft, the converter model, the
/// preferences, the rates or the custom library change.
class InputFlow : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The input flow belongs to the converter model")

    Q_PROPERTY(bool hasDraft READ hasDraft NOTIFY shownChanged)
    /// What the input field shows: the draft, else the model's input.
    Q_PROPERTY(QString fieldText READ fieldText NOTIFY shownChanged)
    /// Whether the draft reads as a phrase, so the rows preview it.
    Q_PROPERTY(bool isPreview READ isPreview NOTIFY shownChanged)
    Q_PROPERTY(QString categoryId READ categoryId NOTIFY shownChanged)
    /// The source unit; "" for all three when it is unknown.
    Q_PROPERTY(QString fromUnitId READ fromUnitId NOTIFY shownChanged)
    Q_PROPERTY(QString fromUnitName READ fromUnitName NOTIFY shownChanged)
    Q_PROPERTY(QString fromUnitSymbol READ fromUnitSymbol NOTIFY shownChanged)
    /// The typed value in the source unit.
    Q_PROPERTY(double value READ value NOTIFY shownChanged)
    /// The unit of every row, drawn or not, in row order.
    Q_PROPERTY(QStringList unitIds READ unitIds NOTIFY shownChanged)
    Q_PROPERTY(zelvane::ShownRows* rows READ rows CONSTANT)
    Q_PROPERTY(zelvane::UnitChoices* units READ units CONSTANT)
    /// The selected drawn row, or -1.
    Q_PROPERTY(int selection READ selection NOTIFY selectionChanged)
    /// The line under the field while a phrase is typed: what was understood, and what Return
    /// does.
    Q_PROPERTY(bool showsHint READ showsHint NOTIFY shownChanged)
    Q_PROPERTY(QString hintText READ hintText NOTIFY shownChanged)
    Q_PROPERTY(QString keyHint READ keyHint NOTIFY shownChanged)

  public:
    InputFlow(AppState& app, ConverterModel& model, QObject* parent = nullptr);

    bool hasDraft() const { return draft_.has_value(); }
    const std::optional<QString>& draft() const { return draft_; }
    QString fieldText() const;
    bool isPreview() const { return quick_.has_value(); }
    const ShownConversion& shown() const { return rows_.conversion(); }
    QString categoryId() const;
    QString fromUnitId() const;
    QString fromUnitName() const;
    QString fromUnitSymbol() const;
    double value() const { return shown().value; }
    QStringList unitIds() const;
    ShownRows* rows() { return &rows_; }
    UnitChoices* units() { return &units_; }
    int selection() const { return selection_; }
    bool showsHint() const;
    QString hintText() const { return hintText_; }
    QString keyHint() const { return keyHint_; }

    /// The field's text changed by the user. A line break (a pasted line) commits it.
    Q_INVOKABLE void textEdited(const QString& text);
    /// Empties the field and the model's input.
    Q_INVOKABLE void clear();
    /// Drops the draft and the selection: the panel opens on the model's value.
    Q_INVOKABLE void reset();
    /// Drops the draft; whether there was one.
    Q_INVOKABLE bool dropDraft();
    /// Down (+1) and Up (-1) walk the drawn rows; whether the key was used.
    Q_INVOKABLE bool moveSelection(int delta);
    /// Moves drawn pinned row `row` so that it lands before the row that stood at
    /// `destination` (0 … the pinned count), as the user's pinned order; the selected unit stays
    /// selected. Not while a phrase is previewed: its rows may be another category's.
    Q_INVOKABLE void movePinnedRow(int row, int destination);
    /// Alt+Up (-1) and Alt+Down (+1) move the selected pinned row one place among the pinned
    /// rows; whether it moved.
    Q_INVOKABLE bool moveSelectedRow(int delta);
    /// Return: a phrase becomes the model's value and its target is copied; otherwise the
    /// selected drawn row (the first when none is) is copied.
    Q_INVOKABLE void commit();
    /// A click on drawn row `row`: copies it, or with `asSource` makes its unit the source.
    Q_INVOKABLE void tap(int row, bool asSource);
    /// Ctrl+Return: the selected row's unit becomes the source, as a Ctrl-click on it would
    /// make it; nothing without a selection.
    Q_INVOKABLE void convertFromSelection();
    /// The unit picker's choice: a previewed phrase is applied first.
    Q_INVOKABLE void pickUnit(const QString& unitId);
    /// Whether the field's `text` already shows `fieldText`: blanks around it and line breaks
    /// do not count, so "4 " stays as typed while the model holds "4".
    Q_INVOKABLE bool fieldShows(const QString& text) const;

    /// The hint texts again, after a change of language.
    void retranslate();

  signals:
    void shownChanged();
    void selectionChanged();
    /// Row `index` of `shown` is to be copied, `input` the value typed for it.
    void copyRequested(const zelvane::ShownConversion& shown, std::size_t index,
                       const QString& input);

  private:
    /// Rebuilds what is shown unless nothing it depends on changed since the last time.
    void refresh();
    /// Takes a copy: applying it drops the draft it was read from.
    void applyQuick(QuickInput quick);
    void setDraft(std::optional<QString> draft);
    void setSelection(int selection);
    void updateHint(const ravodozu::ConversionContext& context);
    QString typedNumber() const;

    AppState& app_;
    ConverterModel& model_;
    ShownRows rows_;
    UnitChoices units_{rows_, app_};
    std::optional<QString> draft_;
    std::optional<QuickInput> quick_;
    int selection_ = -1;
    QString hintText_;
    QString keyHint_;
    /// Grows with every change of the preferences, the rates or the custom library.
    int revision_ = 0;
    /// What the shown conversion was built from: draft, category, unit, input and revision.
    std::optional<std::tuple<std::optional<QString>, QString, QString, QString, int>> builtFrom_;
};

} // namespace zelvane
