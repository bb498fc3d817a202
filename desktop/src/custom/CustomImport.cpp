#include "CustomImport.h"

#include "AppState.h"
#include "QtConversions.h"
#include "RavoDozu/CustomResolver.h"
#include "SaveFailures.h"

namespace zelvane {

namespace share = ravodozu::CustomShare;

namespace {

QString errorText(const share::ShareError& error) {
    switch (error.kind) {
    case share::ShareError::Kind::invalid:
        return qtTrId("import.error.invalid").arg(toQString(error.field));
    case share::ShareError::Kind::notAConversion:
        return qtTrId("import.error.notAConversion");
    case share::ShareError::Kind::tooLarge:
        return qtTrId("import.error.tooLarge");
    case share::ShareError::Kind::newerVersion:
        return qtTrId("import.error.newerVersion");
    }
    return {};
}

QString changeText(const share::CleanUpChange& change) {
    using Kind = share::CleanUpChange::Kind;
    switch (change.kind) {
    case Kind::nameCut:
    case Kind::symbolCut:
    case Kind::glyphCut:
    case Kind::noteCut:
        return qtTrId("import.change.cut").arg(toQString(change.before), toQString(change.after));
    case Kind::ruleRemoved:
        return qtTrId("import.change.rule").arg(toQString(change.before));
    case Kind::decimalsRemoved:
        return qtTrId("import.change.decimals").arg(toQString(change.before));
    case Kind::sourceRemoved:
        return qtTrId("import.change.source");
    }
    return {};
}

} // namespace

CustomImport::CustomImport(AppState& app, QObject* parent)
    : QObject(parent), LatestInstance(this), app_(app) {}

CustomImport::~CustomImport() = default;

bool CustomImport::read(const QString& text) {
    clear();
    auto kept = text.size() > maxTextLength ? ravodozu::Result<share::Payload, share::ShareError>(
                                                  ravodozu::fail(share::ShareError::tooLarge()))
                                            : share::arrivedShareText(text.toStdString());
    if (kept) {
        const share::Payload arrived = *kept;
        kept = share::sanitized(arrived);
        if (kept)
            changes_ = share::cleanUpChanges(arrived, *kept);
    }
    if (!kept) {
        error_ = kept.error();
        emit changed();
        return error_->kind != share::ShareError::Kind::notAConversion;
    }
    // Currency references resolve against the rates the converter has now.
    ravodozu::CustomResolver resolver(app_.catalog(),
                                      app_.rates() ? std::optional(*app_.rates()) : std::nullopt);
    preview_ = share::preview(*kept, resolver.lookup());
    kept_ = std::move(kept).value();
    emit changed();
    return true;
}

bool CustomImport::accept() {
    if (!kept_)
        return false;
    if (auto added = app_.userState().addCustomItem(*kept_); !added) {
        emit SaveFailures::instance().failed(toQString(added.error()));
        return false;
    }
    const QString shownName = name();
    const QString categoryId = toQString(kept_->conversion() ? "custom." + kept_->conversion()->id
                                                             : kept_->extra()->categoryId);
    app_.reload();
    clear();
    emit added(shownName, categoryId);
    return true;
}

void CustomImport::clear() {
    kept_.reset();
    error_.reset();
    preview_ = {};
    changes_.clear();
    emit changed();
}

QString CustomImport::error() const {
    return error_ ? errorText(*error_) : QString();
}

QString CustomImport::name() const {
    return toQString(preview_.name);
}

QString CustomImport::categoryName() const {
    return kept_ && kept_->extra() ? app_.categoryDisplayName(toQString(kept_->extra()->categoryId))
                                   : QString();
}

QStringList CustomImport::lines() const {
    QStringList texts;
    for (const auto& line : preview_.lines)
        texts << toQString(line.name) + " = " + toQString(line.formula);
    return texts;
}

QStringList CustomImport::unknown() const {
    return toQStringList(preview_.unknown);
}

QStringList CustomImport::changes() const {
    QStringList texts;
    for (const auto& change : changes_)
        texts << changeText(change);
    return texts;
}

} // namespace zelvane
