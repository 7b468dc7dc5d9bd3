#include "platform/dao/AccessDatabase.h"

#include <mdbtools.h>

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "platform/dao/AccessValues.h"
#include "platform/dao/Errors.h"
#include "platform/dao/FileFormat.h"
#include "platform/dao/WholeNumber.h"
#include "platform/vb/Text.h"

namespace dao {

namespace {

// Room for one bound value; libmdb cuts longer Memo text at this size.
constexpr std::size_t kBindSize = 256 * 1024;
constexpr const char* kRelationsTable = "MSysRelationships";
constexpr int kPrimaryKeyIndex = 1;
constexpr int kRelationIndex = 2;  // libmdb's hidden index behind a relation
constexpr int32_t kRelationDontEnforce = 2;
// The column types of a Large Number and of a Date/Time Extended, which libmdb does not name.
constexpr int kLargeNumber = 0x13;
constexpr int kExtendedDateTime = 0x14;
constexpr int kLargeNumberSize = 8;

struct TableDefDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefDeleter>;

[[noreturn]] void RaiseItemNotFound() {
    RaiseEngineError({kItemNotFound, "Item not found in this collection.", kAccessSource});
}

FieldType FieldTypeOf(const MdbColumn& column) {
    switch (column.col_type) {
        case MDB_NUMERIC:
            return FieldType::Decimal;
        case MDB_COMPLEX:
            return FieldType::Long;
        case kLargeNumber:
            return FieldType::BigInt;
        case MDB_BOOL:
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT:
        case MDB_MONEY:
        case MDB_FLOAT:
        case MDB_DOUBLE:
        case MDB_DATETIME:
        case MDB_BINARY:
        case MDB_TEXT:
        case MDB_OLE:
        case MDB_MEMO:
        case MDB_REPID:
            return static_cast<FieldType>(column.col_type);
        default:
            return FieldType::Binary;
    }
}

MdbColumn& ColumnAt(MdbTableDef& table, unsigned int index) {
    return *static_cast<MdbColumn*>(g_ptr_array_index(table.columns, index));
}

ColumnKind KindOf(const MdbColumn& column) {
    if (column.col_type == MDB_COMPLEX)
        return ColumnKind::Complex;
    if (column.col_type == kExtendedDateTime)
        return ColumnKind::ExtendedDate;
    // libmdb reports the GUID flag on ordinary columns of Jet 3 files: only a Long Integer or a
    // Replication ID can be an AutoNumber.
    if ((column.col_type == MDB_LONGINT && column.is_long_auto) ||
        (column.col_type == MDB_REPID && column.is_uuid_auto))
        return ColumnKind::AutoNumber;
    return mdb_col_get_prop(&column, "Expression") != nullptr ? ColumnKind::Calculated : ColumnKind::Plain;
}

// Access shows no table named "MSys...", whatever flags the file gives it.
bool IsUserTable(MdbCatalogEntry& entry) {
    return mdb_is_user_table(&entry) && !vb::TextEquals(vb::Left(entry.object_name, 4), "MSys");
}

bool IsRequired(const MdbColumn& column) {
    const char* required = mdb_col_get_prop(&column, "Required");
    return column.col_type == MDB_BOOL || (required != nullptr && vb::TextEquals(required, "yes"));
}

// A Large Number as the row holds it, little-endian: libmdb gives no text of it, only where it stands.
vb::Variant LargeNumberValue(const MdbHandle& mdb, const MdbColumn& column) {
    if (column.cur_value_len != kLargeNumberSize || column.cur_value_start < 0 ||
        column.cur_value_start + kLargeNumberSize > MDB_PGSIZE)
        return vb::Variant::Null();
    uint64_t bits = 0;
    for (int i = kLargeNumberSize - 1; i >= 0; --i)
        bits = bits << 8 | mdb.pg_buf[column.cur_value_start + i];
    return WholeNumberValue(static_cast<int64_t>(bits));
}

// Reads every row of the table into a set, keeping those that meet the criteria.
RowSet ReadRows(MdbHandle& mdb, MdbTableDef& table, const std::vector<Criterion>& criteria) {
    ColumnNames names;
    std::vector<FieldType> types;
    for (unsigned int i = 0; i < table.num_cols; ++i) {
        names.emplace_back(ColumnAt(table, i).name);
        types.push_back(FieldTypeOf(ColumnAt(table, i)));
    }
    std::vector<std::size_t> criterionColumns;
    for (const Criterion& criterion : criteria) {
        const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
            return vb::TextEquals(name, criterion.Column);
        });
        if (found == names.end())
            RaiseItemNotFound();
        criterionColumns.push_back(static_cast<std::size_t>(found - names.begin()));
    }

    std::vector<std::string> buffers(table.num_cols, std::string(kBindSize, '\0'));
    std::vector<int> lengths(table.num_cols, 0);
    for (unsigned int i = 0; i < table.num_cols; ++i) {
        // A Large Number left unbound: libmdb would warn of each value it cannot write as text.
        if (ColumnAt(table, i).col_type != kLargeNumber)
            mdb_bind_column(&table, static_cast<int>(i + 1), buffers[i].data(), &lengths[i]);
    }
    RowSet rows(names);
    mdb_rewind_table(&table);
    while (mdb_fetch_row(&table)) {
        std::vector<vb::Variant> values;
        values.reserve(table.num_cols);
        for (unsigned int i = 0; i < table.num_cols; ++i) {
            MdbColumn& column = ColumnAt(table, i);
            if (column.col_type == kLargeNumber) {
                values.push_back(LargeNumberValue(mdb, column));
            } else if (column.col_type != MDB_BOOL && lengths[i] == 0) {
                values.push_back(vb::Variant::Null());
            } else if (column.col_type == MDB_OLE) {
                std::size_t size = 0;
                void* bytes = mdb_ole_read_full(&mdb, &column, &size);
                values.emplace_back(std::string(static_cast<const char*>(bytes), size));
                std::free(bytes);
            } else {
                values.push_back(AccessValue(types[i], std::string_view(buffers[i].data(), lengths[i])));
            }
        }
        bool meets = true;
        for (std::size_t c = 0; c < criteria.size() && meets; ++c) {
            meets = ValueMeets(values[criterionColumns[c]], criteria[c].Value);
        }
        if (meets)
            rows.Append(std::move(values));
    }
    return rows;
}

}  // namespace

struct AccessDatabase::Handle {
    explicit Handle(MdbHandle* handle) : mdb(handle) {}
    ~Handle() { mdb_close(mdb); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    // Table names compare ignoring letter case, as Jet compares them.
    MdbCatalogEntry* Find(const std::string& table, bool includeSystemTables) const {
        for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
            if (entry->object_type != MDB_TABLE)
                continue;
            if (!includeSystemTables && !IsUserTable(*entry))
                continue;
            if (vb::TextEquals(entry->object_name, table))
                return entry;
        }
        return nullptr;
    }

    // 3265 when there is no such table.
    TableDefPtr Read(const std::string& table, bool includeSystemTables = false) const {
        MdbCatalogEntry* entry = Find(table, includeSystemTables);
        if (entry == nullptr)
            RaiseItemNotFound();
        TableDefPtr definition(mdb_read_table(entry));
        if (!definition || !mdb_read_columns(definition.get())) {
            RaiseEngineError(
                {kUnrecognizedDatabaseFormat, "Cannot read table '" + table + "'.", kAccessSource});
        }
        return definition;
    }

    MdbHandle* mdb;
};

std::unique_ptr<AccessDatabase> AccessDatabase::Open(const std::filesystem::path& file) {
    if (DetectFileFormat(file) == FileFormat::Missing)
        RaiseFileNotFound(file, kAccessSource);
    MdbHandle* mdb = mdb_open(file.c_str(), MDB_NOFLAGS);
    if (mdb == nullptr) {
        RaiseEngineError({kUnrecognizedDatabaseFormat,
                          "Unrecognized database format '" + file.string() + "'.", kAccessSource});
    }
    auto handle = std::make_unique<Handle>(mdb);
    if (mdb_read_catalog(mdb, MDB_TABLE) == nullptr) {
        RaiseEngineError({kUnrecognizedDatabaseFormat,
                          "Unrecognized database format '" + file.string() + "'.", kAccessSource});
    }
    mdb_set_bind_size(mdb, kBindSize);
    mdb_set_boolean_fmt_numbers(mdb);
    mdb_set_date_fmt(mdb, kAccessDateFormat);
    mdb_set_shortdate_fmt(mdb, kAccessDateFormat);
    return std::unique_ptr<AccessDatabase>(new AccessDatabase(file, std::move(handle)));
}

AccessDatabase::AccessDatabase(std::filesystem::path path, std::unique_ptr<Handle> handle)
    : mPath(std::move(path)), mHandle(std::move(handle)) {}

AccessDatabase::~AccessDatabase() = default;

std::vector<std::string> AccessDatabase::TableNames() {
    std::vector<std::string> names;
    MdbHandle* mdb = mHandle->mdb;
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && IsUserTable(*entry))
            names.emplace_back(entry->object_name);
    }
    return names;
}

std::vector<ColumnInfo> AccessDatabase::Columns(const std::string& table) {
    TableDefPtr definition = mHandle->Read(table);
    // Jet 4 and later keep text as two bytes a character.
    const int bytesPerCharacter = mHandle->mdb->f->jet_version == MDB_VER_JET3 ? 1 : 2;
    std::vector<ColumnInfo> columns;
    for (unsigned int i = 0; i < definition->num_cols; ++i) {
        const MdbColumn& column = ColumnAt(*definition, i);
        const FieldType type = FieldTypeOf(column);
        const int32_t size = type == FieldType::Text ? column.col_size / bytesPerCharacter : column.col_size;
        // libmdb names a Decimal's two numbers the other way round: col_scale holds its digits.
        columns.push_back({column.name, type, size, !IsRequired(column), column.col_scale, column.col_prec,
                           KindOf(column)});
    }
    return columns;
}

std::vector<IndexInfo> AccessDatabase::Indexes(const std::string& table) {
    TableDefPtr definition = mHandle->Read(table);
    mdb_read_indices(definition.get());
    std::vector<IndexInfo> indexes;
    for (unsigned int i = 0; i < definition->num_idxs; ++i) {
        const auto* index = static_cast<const MdbIndex*>(g_ptr_array_index(definition->indices, i));
        if (index->index_type == kRelationIndex)
            continue;
        IndexInfo info{
            index->name, index->index_type == kPrimaryKeyIndex, (index->flags & MDB_IDX_UNIQUE) != 0, {}};
        for (unsigned int key = 0; key < index->num_keys && key < MDB_MAX_IDX_COLS; ++key) {
            const int column = index->key_col_num[key];
            if (column >= 1 && static_cast<unsigned int>(column) <= definition->num_cols) {
                info.Columns.emplace_back(ColumnAt(*definition, static_cast<unsigned int>(column - 1)).name);
            }
        }
        indexes.push_back(std::move(info));
    }
    return indexes;
}

std::vector<RelationInfo> AccessDatabase::Relations() {
    if (mHandle->Find(kRelationsTable, true) == nullptr)
        return {};
    TableDefPtr definition = mHandle->Read(kRelationsTable, true);
    const RowSet rows = ReadRows(*mHandle->mdb, *definition, {});
    std::vector<RelationInfo> relations;
    std::unordered_map<std::string, std::size_t> relationOfName;
    std::vector<std::vector<std::pair<int32_t, RelationInfo::ColumnPair>>> columnsOfRelation;
    for (const Row& row : rows) {
        const std::string name = row["szRelationship"].ToString();
        auto [found, isNew] = relationOfName.try_emplace(name, relations.size());
        if (isNew) {
            const bool enforces = (row["grbit"].ToLong() & kRelationDontEnforce) == 0;
            relations.push_back(
                {name, row["szReferencedObject"].ToString(), row["szObject"].ToString(), {}, enforces});
            columnsOfRelation.emplace_back();
        }
        columnsOfRelation[found->second].push_back(
            {row["icolumn"].ToLong(), {row["szReferencedColumn"].ToString(), row["szColumn"].ToString()}});
    }
    for (std::size_t i = 0; i < relations.size(); ++i) {
        auto& columns = columnsOfRelation[i];
        std::stable_sort(columns.begin(), columns.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [position, pair] : columns)
            relations[i].Columns.push_back(std::move(pair));
    }
    return relations;
}

RowSet AccessDatabase::SelectRows(const std::string& table, const std::vector<Criterion>& criteria) {
    TableDefPtr definition = mHandle->Read(table);
    return ReadRows(*mHandle->mdb, *definition, criteria);
}

}  // namespace dao
