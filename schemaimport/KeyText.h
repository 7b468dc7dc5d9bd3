#pragma once
// Text of any length in a key: a key property of Memo cannot identify a row, so a column of long text
// (Memo), or of no declared type (an OLE Object else), that a key holds becomes text of kTextLength, the
// longest a Jet key takes, marked TypeLoss::Cut.
// A key holds the columns of its table's primary key, of the foreign keys the table holds and of those
// other foreign keys refer to, so that both ends of a relationship get the same type and length.

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

class KeyText {
  public:
    explicit KeyText(const std::vector<CatalogRelation>& relations);

    // The columns of `table`, whose primary key is `primaryKey`, with their key text bounded.
    void Bound(const std::string& table, const std::vector<std::string>& primaryKey,
               std::vector<CatalogColumn>& columns) const;

  private:
    std::unordered_map<std::string, std::unordered_set<std::string>> mForeignKeyColumns;  // by table
};

}  // namespace schemaimport
