#pragma once
// Pieces of SQL text for statements whose values are all bound as ?1, ?2, ...

#include <string>
#include <string_view>
#include <vector>

namespace dao {

// "name" with every double quote doubled; error 5 for a name holding a NUL character.
std::string QuoteIdentifier(std::string_view name);

// " WHERE "a" = ?n AND "b" = ?n+1 ..." for the columns, numbering the parameters from `firstParameter`;
// empty for no columns. `collation`, when given, follows each comparison.
std::string WhereClause(const std::vector<std::string>& columns, int firstParameter,
                        std::string_view collation = {});

}  // namespace dao
