#include "platform/dao/SqlText.h"

#include "platform/vb/Error.h"

namespace dao {

std::string QuoteIdentifier(std::string_view name) {
    if (name.find('\0') != std::string_view::npos)
        vb::Raise(vb::kInvalidProcedureCall, "QuoteIdentifier");
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

std::string WhereClause(const std::vector<std::string>& columns, int firstParameter,
                        std::string_view collation) {
    std::string clause;
    int parameter = firstParameter;
    for (const std::string& column : columns) {
        clause += clause.empty() ? " WHERE " : " AND ";
        clause += QuoteIdentifier(column) + " = ?" + std::to_string(parameter++);
        if (!collation.empty()) {
            clause += " COLLATE ";
            clause += collation;
        }
    }
    return clause;
}

}  // namespace dao
