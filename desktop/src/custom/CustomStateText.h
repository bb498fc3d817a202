// CustomStateText: how a custom unit compiled, in the interface language's plain words.
#pragma once

#include <QString>

#include <string_view>

#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomResolver.h"

namespace zelvane {

QString inverseStatusText(ravodozu::InverseStatus status);
QString customErrorText(const ravodozu::CustomError& error);
/// Whether the status means the unit cannot be trusted to convert back.
bool isDoubtful(ravodozu::InverseStatus status);

/// What the resolved library says of the unit with `key`: its error, its inverse status, or that
/// it is the reference unit (or equal to it).
struct UnitState {
    QString text;
    bool failed = false;   ///< The rule does not compile.
    bool doubtful = false; ///< It compiles, but converting back is not to be trusted.
    int errorAt = -1;      ///< Character of the formula where it went wrong, when known.
};
UnitState unitState(const ravodozu::ResolvedCustomLibrary& resolved, std::string_view key,
                    bool isBase);

} // namespace zelvane
