#include "repository/RepositorySchema.h"

#include <unistd.h>

#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"

namespace repository {

namespace {

using dao::FieldType;

constexpr FieldType kText = FieldType::Text;
constexpr FieldType kLong = FieldType::Long;
constexpr FieldType kYesNo = FieldType::Boolean;

const dao::ColumnDefinition kID{"ID", kLong, true};

}  // namespace

const std::vector<LaterColumn>& LaterColumns() {
    static const std::vector<LaterColumn> columns = {
        {"Method", {"IsStoredProcedure", kYesNo}},
        {"Method", {"StoredProcedureName", kText}},
        {"Property", {"IsPVFKey", kYesNo}},
        // A Long, as every ID it holds is one.
        {"Property", {"PVFKeyDisplayedPropID", kLong}},
    };
    return columns;
}

const std::vector<TableSchema>& RepositoryTables() {
    static const std::vector<TableSchema> tables = {
        {"Application",
         {kID,
          {"Name", kText},
          {"Description", kText},
          {"DSN", kText},
          {"LocalDBName", kText},
          {"L1ProjectName", kText},
          {"L2ProjectName", kText},
          {"L3ProjectName", kText},
          {"DBType", kText},
          {"Architecture", kLong}},
         {}},
        {"BusinessObject",
         {kID,
          {"ApplicationID", kLong},
          {"Name", kText},
          {"L1ClassName", kText},
          {"L2BusObjClass", kText},
          {"L2DisplayClass", kText},
          {"L2ListClass", kText},
          {"L3BusObjClass", kText},
          {"L3ListClass", kText}},
         {"ApplicationID"}},
        {"Table", {kID, {"BusObjID", kLong}, {"Name", kText}}, {"BusObjID"}},
        {"Property",
         {kID,
          {"BusObjID", kLong},
          {"Name", kText},
          {"DataType", kText},
          {"Access", kText},
          {"Label", kText},
          {"Length", kLong},
          {"IsKey", kYesNo},
          {"IsMandatory", kYesNo},
          {"IsUnique", kYesNo},
          {"ControlType", kText},
          {"IsPVList", kYesNo},
          {"IsVirtual", kYesNo},
          {"IsPVTable", kYesNo},
          {"IsPVRange", kYesNo},
          {"LowerBound", kText},
          {"UpperBound", kText},
          {"PVTableClass", kText},
          {"IsPVFKey", kYesNo},
          {"PVFKeyDisplayedPropID", kLong},
          {"ForeignKeyFldID", kLong},
          {"AssociationID", kLong}},
         {"BusObjID", "AssociationID"}},
        {"Field",
         {kID,
          {"BusObjPropID", kLong},
          {"TableID", kLong},
          {"Name", kText},
          {"DataType", kText},
          {"Length", kLong},
          {"IsPrimaryKey", kYesNo},
          {"IsNullable", kYesNo},
          {"IsForeignKey", kYesNo}},
         {"BusObjPropID"}},
        {"PermittedValues", {{"PropID", kLong}, {"PermittedValue", kText}}, {"PropID"}},
        {"Method",
         {kID,
          {"BusObjID", kLong},
          {"Name", kText},
          {"ReturnDataType", kText},
          {"MethodType", kText},
          {"IsStoredProcedure", kYesNo},
          {"StoredProcedureName", kText}},
         {"BusObjID"}},
        {"Relationship", {kID, {"ApplicationID", kLong}, {"RelType", kText}}, {"ApplicationID"}},
        {"Association",
         {kID,
          {"RelationshipID", kLong},
          {"SourceBusObjID", kLong},
          {"TargetBusObjID", kLong},
          {"Cardinality", kText},
          {"IsOptional", kYesNo},
          {"Description", kText}},
         {"RelationshipID", "SourceBusObjID", "TargetBusObjID"}},
    };
    return tables;
}

void CreateRepository(const std::filesystem::path& file) {
    if (std::filesystem::exists(file))
        vb::Raise(vb::kFileAlreadyExists, "CreateRepository");
    const std::filesystem::path partial = file.string() + ".new-" + std::to_string(::getpid());
    std::filesystem::remove(partial);
    try {
        {
            auto db = dao::SqliteDatabase::Open(partial, dao::OpenMode::CreateIfMissing);
            dao::Transaction transaction(*db);
            for (const TableSchema& table : RepositoryTables()) {
                db->CreateTable(table.Name, table.Columns);
                for (const std::string& link : table.LinkColumns) {
                    db->CreateIndex(table.Name + link, table.Name, {link});
                }
            }
            db->CreateTable(kVersionTable, {{kVersionColumn, FieldType::Text}});
            db->Insert(kVersionTable, {{kVersionColumn, kCurrentVersion}});
            transaction.Commit();
        }
        std::filesystem::rename(partial, file);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        throw;
    }
}

}  // namespace repository
