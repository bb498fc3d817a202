#include "InputFlow.h"

#include <algorithm>

#include "AppState.h"
#include "CategoryNames.h"
#include "ConverterModel.h"
#include "DisplayLanguage.h"
#include "NumberReader.h"
#include "PhrasePatterns.h"
#include "QtConversions.h"

namespace zelvane {

namespace {

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == QChar(0x85) ||
           c == QChar(0x2028) || c == QChar(0x2029);
}

QString withoutLineBreaks(QString text) {
    text.removeIf(isLineBreak);
    return text;
}

} // namespace

InputFlow::InputFlow(AppState& app, ConverterModel& model, QObject* parent)
    : QObject(parent), app_(app), model_(model) {
    auto bump = [this] {
        ++revision_;
        refresh();
    };
    connect(&app_, &AppState::preferencesChanged, this, bump);
    connect(&app_, &AppState::ratesChanged, this, bump);
    connect(&app_, &AppState::customLibraryChanged, this, bump);
    connect(&app_, &AppState::packVariantsChanged, this, bump);
    connect(&model_, &ConverterModel::categoryIdChanged, this, &InputFlow::refresh);
    connect(&model_, &ConverterModel::fromUnitIdChanged, this, &InputFlow::refresh);
    connect(&model_, &ConverterModel::inputChanged, this, &InputFlow::refresh);
    refresh();
}

QString InputFlow::fieldText() const {
    return draft_.value_or(model_.input());
}

QString InputFlow::categoryId() const {
    return toQString(shown().categoryId);
}

QString InputFlow::fromUnitId() const {
    return shown().fromUnit ? toQString(shown().fromUnit->id) : QString();
}

QString InputFlow::fromUnitName() const {
    return shown().fromUnit ? toQString(shown().fromUnit->name.resolve(rows_.languages()))
                            : QString();
}

QString InputFlow::fromUnitSymbol() const {
    return shown().fromUnit ? toQString(shown().fromUnit->symbol) : QString();
}

QStringList InputFlow::unitIds() const {
    QStringList ids;
    for (std::size_t index = 0; index < shown().rowCount(); ++index)
        ids << toQString(shown().row(index).unit->id);
    return ids;
}

bool InputFlow::showsHint() const {
    return draft_ && !draft_->trimmed().isEmpty();
}

void InputFlow::refresh() {
    auto from =
        std::tuple(draft_, model_.categoryId(), model_.fromUnitId(), model_.input(), revision_);
    if (builtFrom_ == from)
        return;
    builtFrom_ = from;
    const auto context = app_.context();
    quick_.reset();
    if (draft_)
        quick_ = QuickInput::parse(toStdString(*draft_), toStdString(model_.categoryId()), context);
    auto shown = quick_
                     ? ShownConversion::build(quick_->categoryId, quick_->fromUnitId,
                                              quick_->number, quick_->targetUnitIds(), context)
                     : ShownConversion::build(toStdString(model_.categoryId()),
                                              toStdString(model_.fromUnitId()),
                                              toStdString(model_.input()), std::nullopt, context);
    rows_.show(std::move(shown), context.preferences().showsOtherUnits,
               languageList(context.preferences()));
    updateHint(context);
    // What is highlighted is what Return copies: a selection past the drawn rows moves back.
    setSelection(std::min(selection_, rows_.count() - 1));
    emit shownChanged();
}

void InputFlow::updateHint(const ravodozu::ConversionContext& context) {
    hintText_.clear();
    keyHint_.clear();
    if (!showsHint())
        return;
    if (!quick_ || !shown().fromUnit) {
        hintText_ = qtTrId("panel.parse.miss");
        return;
    }
    const auto category = categoryDisplayName(quick_->categoryId, context, rows_.languages());
    // The amount as it was read, so that an unexpected reading shows before Return.
    const NumberReader numbers(displayLocale(context.preferences()));
    const auto amount = numbers.shownText(numbers.readWhole(quick_->number).value_or(0));
    hintText_ = qtTrId("panel.parse.found")
                    .arg(toQString(category), toQString(amount) + " " + fromUnitName());
    const auto target = shown().targetIndex;
    if (target)
        hintText_ +=
            " " + qtTrId("panel.parse.target")
                      .arg(toQString(shown().row(*target).unit->name.resolve(rows_.languages())));
    keyHint_ = qtTrId(target ? "panel.parse.copy" : "panel.parse.confirm");
}

void InputFlow::retranslate() {
    updateHint(app_.context());
    emit shownChanged();
}

void InputFlow::setDraft(std::optional<QString> draft) {
    draft_ = std::move(draft);
    refresh();
}

void InputFlow::setSelection(int selection) {
    selection = std::max(selection, -1);
    if (selection == selection_)
        return;
    selection_ = selection;
    emit selectionChanged();
}

QString InputFlow::typedNumber() const {
    return quick_ ? toQString(quick_->number) : model_.input();
}

void InputFlow::textEdited(const QString& text) {
    setSelection(-1);
    const QString cleaned = withoutLineBreaks(text);
    if (isPlainNumber(toStdString(cleaned))) {
        draft_.reset();
        model_.setInput(cleaned.trimmed());
        refresh();
    } else {
        setDraft(cleaned);
    }
    // After the field has taken the text without its line breaks.
    if (cleaned.size() != text.size())
        QMetaObject::invokeMethod(this, &InputFlow::commit, Qt::QueuedConnection);
}

void InputFlow::clear() {
    setSelection(-1);
    draft_.reset();
    model_.setInput({});
    refresh();
}

void InputFlow::reset() {
    setSelection(-1);
    setDraft(std::nullopt);
}

bool InputFlow::dropDraft() {
    if (!draft_)
        return false;
    setDraft(std::nullopt);
    return true;
}

bool InputFlow::moveSelection(int delta) {
    if (delta > 0) {
        if (rows_.count() == 0)
            return false;
        setSelection(std::min(selection_ + 1, rows_.count() - 1));
        return true;
    }
    if (selection_ < 0)
        return false;
    setSelection(std::max(selection_ - 1, 0));
    return true;
}

void InputFlow::movePinnedRow(int row, int destination) {
    const int pinned = rows_.pinnedCount();
    if (quick_ || row < 0 || row >= pinned)
        return;
    const QStringList ids = unitIds();
    const QString selected = selection_ >= 0 ? ids[selection_] : QString();
    app_.moveVisiblePinned(categoryId(), ids.mid(0, pinned), {row},
                           std::clamp(destination, 0, pinned));
    if (!selected.isEmpty())
        setSelection(int(unitIds().indexOf(selected)));
}

bool InputFlow::moveSelectedRow(int delta) {
    const int to = selection_ + delta;
    const int pinned = rows_.pinnedCount();
    if (quick_ || selection_ < 0 || selection_ >= pinned || to < 0 || to >= pinned)
        return false;
    movePinnedRow(selection_, delta > 0 ? to + 1 : to);
    return true;
}

void InputFlow::applyQuick(QuickInput quick) {
    draft_.reset();
    model_.open(toQString(quick.categoryId), toQString(quick.fromUnitId), toQString(quick.number));
    refresh();
}

void InputFlow::commit() {
    if (!quick_) {
        if (rows_.count() == 0)
            return;
        setSelection(std::max(selection_, 0));
        emit copyRequested(shown(), std::size_t(selection_), model_.input());
        return;
    }
    // The phrase's target is copied although it may be a hidden row: the hint named it.
    const ShownConversion before = shown();
    const QuickInput quick = *quick_;
    applyQuick(quick);
    if (!before.targetIndex)
        return;
    const int target = int(*before.targetIndex);
    setSelection(target < rows_.count() ? target : -1);
    emit copyRequested(before, *before.targetIndex, toQString(quick.number));
}

void InputFlow::tap(int row, bool asSource) {
    if (row < 0 || row >= rows_.count())
        return;
    if (!asSource) {
        setSelection(row);
        emit copyRequested(shown(), std::size_t(row), typedNumber());
        return;
    }
    pickUnit(toQString(shown().row(std::size_t(row)).unit->id));
    setSelection(-1);
}

void InputFlow::convertFromSelection() {
    if (selection_ >= 0)
        tap(selection_, true);
}

void InputFlow::pickUnit(const QString& unitId) {
    if (quick_)
        applyQuick(*quick_);
    model_.selectFromUnit(unitId);
}

bool InputFlow::fieldShows(const QString& text) const {
    return withoutLineBreaks(text).trimmed() == fieldText().trimmed();
}

} // namespace zelvane
