#pragma once
// Repositories of older formats, made from a current one by taking away what the later format added.

#include <string>
#include <vector>

#include "platform/dao/SqliteDatabase.h"
#include "repository/RepositorySchema.h"

namespace repository_test {

struct OlderFormat {
    bool hasVersionTable = true;
    std::vector<vb::Variant> versionRows = {"1.1"};
    std::vector<std::string> missingColumns;  // "Table.Column"
};

inline void MakeRepository(const std::filesystem::path& file, const OlderFormat& format) {
    repository::CreateRepository(file);
    auto db = dao::SqliteDatabase::Open(file, dao::OpenMode::ReadWrite);
    db->Execute("DROP TABLE \"VBOstrel\"");
    if (format.hasVersionTable) {
        db->CreateTable("VBOstrel", {{"Version", dao::FieldType::Text}});
        for (const vb::Variant& version : format.versionRows)
            db->Insert("VBOstrel", {{"Version", version}});
    }
    for (const std::string& column : format.missingColumns) {
        const auto dot = column.find('.');
        db->Execute("ALTER TABLE " + dao::QuoteIdentifier(column.substr(0, dot)) + " DROP COLUMN " +
                    dao::QuoteIdentifier(column.substr(dot + 1)));
    }
}

inline const std::vector<std::string> kAllLaterColumns = {"Method.IsStoredProcedure",
                                                          "Method.StoredProcedureName", "Property.IsPVFKey",
                                                          "Property.PVFKeyDisplayedPropID"};

}  // namespace repository_test
