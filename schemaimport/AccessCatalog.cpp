// Access (Jet) files through libmdb: the MDBTools ODBC driver gives no sizes, no nullability, Memo as
// VARCHAR and no key functions.

#include "platform/dao/AccessDatabase.h"
#include "schemaimport/AdoTypes.h"
#include "schemaimport/CatalogBackends.h"
#include "schemaimport/SnapshotCatalog.h"

namespace schemaimport {
namespace {

class AccessCatalog final : public SnapshotCatalog {
  public:
    explicit AccessCatalog(const std::filesystem::path& file) : mDatabase(dao::AccessDatabase::Open(file)) {}

    std::string DefaultDatabase() override { return mDatabase->Path().string(); }

    std::vector<CatalogRelation> Relations() override {
        std::vector<CatalogRelation> relations;
        for (const dao::RelationInfo& relation : mDatabase->Relations())
            relations.push_back({relation.ForeignTable, ForeignKeyOf(relation)});
        return relations;
    }

  private:
    std::vector<CatalogTable> LoadTables() override {
        std::vector<CatalogTable> tables;
        for (const std::string& name : mDatabase->TableNames())
            tables.push_back({name, "TABLE"});
        return tables;
    }

    ByTable<CatalogColumn> LoadColumns() override {
        ByTable<CatalogColumn> columns;
        for (const std::string& table : mDatabase->TableNames()) {
            for (const dao::ColumnInfo& column : mDatabase->Columns(table))
                columns[table].push_back(ColumnOf(column));
        }
        return columns;
    }

    // A Date/Time Extended is text: a Date holds neither its years before 100 nor its fractions of a second.
    static CatalogColumn ColumnOf(const dao::ColumnInfo& column) {
        if (column.Kind == dao::ColumnKind::ExtendedDate) {
            CatalogColumn text = SizedColumn(column.Name, adVarChar, kTextLength, column.IsNullable);
            text.Loss = TypeLoss::DateAsText;
            return text;
        }
        std::optional<int32_t> declared = column.Size;
        if (column.Type == dao::FieldType::Decimal)
            declared = column.Precision;
        else if (column.Type == dao::FieldType::Guid)
            declared = kBracedGuidLength;
        CatalogColumn typed = TypedColumn(column.Name, AdoTypeOfFieldType(column.Type), declared,
                                          column.IsNullable, "", column.Scale);
        if (column.Kind == dao::ColumnKind::Calculated)
            typed.Filled = FilledBy::Expression;
        else if (column.Kind == dao::ColumnKind::Complex)
            typed.Filled = FilledBy::ComplexData;
        else if (column.Kind == dao::ColumnKind::AutoNumber)
            typed.Filled = FilledBy::Numbering;
        return typed;
    }

    ByTable<std::string> LoadPrimaryKeys() override {
        ByTable<std::string> keys;
        for (const std::string& table : mDatabase->TableNames()) {
            for (const dao::IndexInfo& index : mDatabase->Indexes(table)) {
                if (index.IsPrimary)
                    keys[table] = index.Columns;
            }
        }
        return keys;
    }

    ByTable<CatalogForeignKey> LoadForeignKeys() override {
        ByTable<CatalogForeignKey> foreignKeys;
        for (const dao::RelationInfo& relation : mDatabase->Relations())
            foreignKeys[relation.ForeignTable].push_back(ForeignKeyOf(relation));
        return foreignKeys;
    }

    static CatalogForeignKey ForeignKeyOf(const dao::RelationInfo& relation) {
        CatalogForeignKey key{relation.Name, relation.Table, {}};
        for (const auto& pair : relation.Columns)
            key.Columns.emplace_back(pair.ForeignName, pair.Name);
        return key;
    }

    std::unique_ptr<dao::AccessDatabase> mDatabase;
};

}  // namespace

std::unique_ptr<SchemaCatalog> MakeAccessCatalog(const std::filesystem::path& file) {
    return std::make_unique<AccessCatalog>(file);
}

}  // namespace schemaimport
