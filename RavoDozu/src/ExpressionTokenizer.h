// ExpressionTokenizer: the formula tokenizer's entry point for the parser.
#pragma once

#include <string_view>
#include <vector>

#include "RavoDozu/Expr.h"

namespace ravodozu::detail {

struct TokenizedText {
    std::vector<Expr::Located> tokens;
    int characterCount; ///< Grapheme clusters in the text: the position of its end.
};

/// Tokenises the whole text; the length limit and bad characters are the failures.
Result<TokenizedText, ExpressionError> tokenizeText(std::string_view text);

} // namespace ravodozu::detail
