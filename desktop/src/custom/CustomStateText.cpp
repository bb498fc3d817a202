#include "CustomStateText.h"

#include "QtConversions.h"

namespace zelvane {

using ravodozu::CustomError;
using ravodozu::ExpressionError;
using ravodozu::InverseStatus;

namespace {

QString parseProblem(const ExpressionError& error) {
    const auto detail = toQString(error.detail.value_or(""));
    switch (error.code) {
    case ExpressionError::Code::empty:
        return qtTrId("custom.parse.empty");
    case ExpressionError::Code::unexpectedCharacter:
        return qtTrId("custom.parse.unexpectedCharacter");
    case ExpressionError::Code::unexpectedToken:
        return qtTrId("custom.parse.unexpectedToken");
    case ExpressionError::Code::missingClosingParenthesis:
        return qtTrId("custom.parse.missingClosingParenthesis");
    case ExpressionError::Code::unknownFunction:
        return qtTrId("custom.parse.unknownFunction").arg(detail);
    case ExpressionError::Code::wrongArgumentCount:
        return qtTrId("custom.parse.wrongArgumentCount").arg(detail);
    case ExpressionError::Code::badUnitReference:
        return qtTrId("custom.parse.badUnitReference");
    case ExpressionError::Code::expectedNumberOrName:
        return qtTrId("custom.parse.expectedNumberOrName");
    }
    return {};
}

} // namespace

QString inverseStatusText(InverseStatus status) {
    switch (status) {
    case InverseStatus::exactLine:
        return qtTrId("custom.status.exactLine");
    case InverseStatus::searched:
        return qtTrId("custom.status.searched");
    case InverseStatus::written:
        return qtTrId("custom.status.written");
    case InverseStatus::needsFormula:
        return qtTrId("custom.status.needsFormula");
    case InverseStatus::mismatch:
        return qtTrId("custom.status.mismatch");
    }
    return {};
}

bool isDoubtful(InverseStatus status) {
    return status == InverseStatus::needsFormula || status == InverseStatus::mismatch;
}

QString customErrorText(const CustomError& error) {
    switch (error.kind) {
    case CustomError::Kind::expression:
        return qtTrId("custom.error.expression")
            .arg(error.expression->position + 1)
            .arg(parseProblem(*error.expression));
    case CustomError::Kind::unknownName:
        return qtTrId("custom.error.unknownName").arg(toQString(error.name));
    case CustomError::Kind::unknownUnit:
        return qtTrId("custom.error.unknownUnit").arg(toQString(error.name));
    case CustomError::Kind::invalidNumber:
        return qtTrId("custom.error.invalidNumber");
    case CustomError::Kind::emptyFormula:
        return qtTrId("custom.error.emptyFormula");
    }
    return {};
}

UnitState unitState(const ravodozu::ResolvedCustomLibrary& resolved, std::string_view key,
                    bool isBase) {
    if (auto error = resolved.errors.find(key); error != resolved.errors.end()) {
        const auto& expression = error->second.expression;
        return {customErrorText(error->second), true, false,
                expression ? expression->position : -1};
    }
    if (auto status = resolved.statuses.find(key); status != resolved.statuses.end())
        return {inverseStatusText(status->second), false, isDoubtful(status->second), -1};
    return {isBase ? qtTrId("custom.status.base") : qtTrId("custom.status.sameAsBase")};
}

} // namespace zelvane
