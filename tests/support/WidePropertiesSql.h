#pragma once
// SQL that widens a business object of a repository with numbered properties and their fields, for the tests
// of models wider than VB loads.

#include <string>

namespace testing_support {

// `count` properties "W1", "W2", ... added to business object `id` and fields to its table of that id, of the
// data type and ControlType the SQL expressions give for their number i, with permitted values "v1" up to
// "v<values>"; `name` gives other names.
inline std::string WideProperties(int id, int count, const std::string& dataType,
                                  const std::string& controlType, int values = 0,
                                  const std::string& name = "'W' || i") {
    const std::string numbers = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                                std::to_string(count) + ")";
    std::string sql =
        "INSERT INTO Property (ID, BusObjID, Name, DataType, Access, Label, Length, IsKey, "
        "IsMandatory, IsUnique, ControlType, IsPVList, IsVirtual, IsPVTable, IsPVRange, "
        "LowerBound, UpperBound, PVTableClass, IsPVFKey) " +
        numbers + " SELECT 1000 + i, " + std::to_string(id) + ", " + name + ", " + dataType +
        ", 'Read/Write', 'W' || i, 20, 0, 0, 0, " + controlType + ", " + (values > 0 ? "1" : "0") +
        ", 0, 0, 0, '', '', '', 0 FROM n; INSERT INTO Field (ID, BusObjPropID, TableID, Name, "
        "DataType, Length, IsPrimaryKey, IsNullable, IsForeignKey) " +
        numbers + " SELECT 1000 + i, 1000 + i, " + std::to_string(id) + ", " + name + ", " + dataType +
        ", 20, 0, 1, 0 FROM n";
    if (values > 0)
        sql += "; INSERT INTO PermittedValues (PropID, PermittedValue) " + numbers +
               ", v(j) AS (SELECT 1 UNION ALL SELECT j + 1 FROM v WHERE j < " + std::to_string(values) +
               ") SELECT 1000 + i, 'v' || j FROM n, v ORDER BY i, j";
    return sql;
}

}  // namespace testing_support
