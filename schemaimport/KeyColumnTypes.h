#pragma once
// The types of the columns of keys. A key property of Memo cannot identify a row, so a column of long text
// (Memo), or of no declared type (an OLE Object else), that a key holds becomes text of kTextLength, the
// longest a Jet key takes, marked TypeLoss::Cut.
// A key holds the columns of its table's primary key, of the foreign keys the table holds and of those
// other foreign keys refer to, so that both ends of a relationship get the same type and length. For the
// same reason a foreign-key column of no declared type first takes the type and length of the column it
// refers to, read from the catalog (left as it is when that column has no type either, or cannot be read).

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

class KeyColumnTypes {
  public:
    KeyColumnTypes(const std::vector<CatalogRelation>& relations, SchemaCatalog& catalog);

    // Types the key columns of `table`, whose primary key is `primaryKey`: an untyped foreign key as the
    // column it refers to, then text of any length bounded.
    void Assign(const std::string& table, const std::vector<std::string>& primaryKey,
                std::vector<CatalogColumn>& columns) const;

  private:
    // Gives a foreign-key column of no declared type the type of the column it refers to; false when
    // that has none.
    bool TypeAsParent(const std::string& table, CatalogColumn& column) const;
    // The columns of `parentTable`, read once however many foreign keys refer to it; none when the driver
    // cannot read them.
    const std::vector<CatalogColumn>& ParentColumns(const std::string& parentTable) const;

    SchemaCatalog& mCatalog;
    std::unordered_map<std::string, std::unordered_set<std::string>> mForeignKeyColumns;  // by table
    // (parent table, parent column) of each foreign-key column, by child table and column.
    std::unordered_map<std::string, std::unordered_map<std::string, std::pair<std::string, std::string>>>
        mParents;
    mutable std::unordered_map<std::string, std::vector<CatalogColumn>> mParentColumns;
};

}  // namespace schemaimport
