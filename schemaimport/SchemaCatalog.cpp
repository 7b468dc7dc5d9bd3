#include "schemaimport/SchemaCatalog.h"

#include <algorithm>

#include "core/StringLength.h"
#include "platform/odbc/ConnectString.h"
#include "platform/odbc/DataSources.h"
#include "platform/vb/Text.h"
#include "schemaimport/AdoTypes.h"
#include "schemaimport/CatalogBackends.h"

namespace schemaimport {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string ValueOf(const Pairs& pairs, std::string_view key) {
    for (const auto& [name, value] : pairs) {
        if (vb::TextEquals(vb::Trim(name), key))
            return value;
    }
    return {};
}

bool Names(const std::string& driver, std::string_view kind) {
    return vb::InStr(driver, kind, vb::Compare::Text) > 0;
}

// The Jet file of an MDBTools connection: its DBQ or Database, in the text or in the data source.
std::string AccessFileOf(const Pairs& pairs, const std::string& dsn) {
    for (const char* key : {"DBQ", "Database"}) {
        std::string file = ValueOf(pairs, key);
        if (file.empty() && !dsn.empty())
            file = odbc::DataSourceAttribute(dsn, key, odbc::Scope::UserAndSystem).value_or("");
        if (!file.empty())
            return file;
    }
    return {};
}

}  // namespace

CatalogColumn SizedColumn(std::string name, int32_t type, int32_t size, bool isNullable) {
    if ((type == adChar || type == adVarChar) && !core::IsStringLength(size))
        return {std::move(name), adLongVarChar, ColumnSize(adLongVarChar, std::nullopt), isNullable, {}};
    return {std::move(name), type, size, isNullable, {}};
}

CatalogColumn TypedColumn(std::string name, int32_t type, std::optional<int32_t> declared, bool isNullable,
                          std::string typeName, int32_t scale) {
    TypeLoss loss = TypeLoss::None;
    switch (type) {
        case adEmpty:
            return {std::move(name), adVarChar, kTextLength, isNullable, std::move(typeName)};
        case adNumeric:
            type = NumericType(declared, scale);
            declared.reset();
            loss = type == adDouble ? TypeLoss::Rounded : TypeLoss::None;
            break;
        case adBigInt:
            type = adCurrency;
            loss = TypeLoss::Range;
            break;
        case adGUID:
            // A driver may give the GUID's 16 bytes: its text is never shorter than kGuidLength.
            type = adChar;
            declared = std::max(declared.value_or(kGuidLength), kGuidLength);
            break;
        default:
            break;
    }
    CatalogColumn column = SizedColumn(std::move(name), type, ColumnSize(type, declared), isNullable);
    column.Loss = loss;
    return column;
}

std::vector<CatalogRelation> SchemaCatalog::Relations() {
    std::vector<CatalogRelation> relations;
    for (const CatalogTable& table : Tables()) {
        for (CatalogForeignKey& key : ForeignKeys(table.Name))
            relations.push_back({table.Name, std::move(key)});
    }
    return relations;
}

std::unique_ptr<SchemaCatalog> OpenSchemaCatalog(const std::string& connectString) {
    const bool isName = connectString.find('=') == std::string::npos;
    const Pairs pairs = isName ? Pairs{{"DSN", connectString}} : odbc::SplitConnectString(connectString);
    const std::string dsn = ValueOf(pairs, "DSN");
    std::string driver = ValueOf(pairs, "DRIVER");
    if (driver.empty() && !dsn.empty())
        driver = odbc::DataSourceAttribute(dsn, "Driver", odbc::Scope::UserAndSystem).value_or("");

    if (Names(driver, "MDBTools"))
        return MakeAccessCatalog(AccessFileOf(pairs, dsn));

    std::string text = isName ? "DSN=" + odbc::ConnectValue(connectString) : connectString;
    if (Names(driver, "SQLite"))
        text += ";NoCreat=1";  // a wrong path is an error, not a new empty database
    auto connection = std::make_unique<odbc::Connection>();
    connection->Open(text);
    const std::string dbms = connection->Info(SQL_DBMS_NAME);
    if (dbms == "SQLite")
        return MakeSqliteCatalog(std::move(connection));
    if (dbms == "PostgreSQL")
        return MakePostgresCatalog(std::move(connection));
    return MakeOdbcCatalog(std::move(connection));
}

}  // namespace schemaimport
