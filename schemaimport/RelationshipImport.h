#pragma once
// The relationship import: the database's keys become key properties and relationships of the model. Read
// first (ReadRelationshipSource), then applied (RebuildRelationships), so that a database error comes before
// any change.
//
// DBType "Access" (any letter case) takes the modelled tables' primary keys and every relation in the
// database's order; "SQL" takes the foreign keys, visiting parents in business-object order and children
// within (keys of one pair by their first column's place in the child). Any other type makes none.
// Business objects are found by their table's exact name, columns through their table's fields. One
// relationship per foreign key, all its columns marked; a key of an unmapped table is passed over, one
// with a column that has no property after a message naming the key and the column.

#include <string>
#include <utility>
#include <vector>

#include "core/qelApplication.h"
#include "schemaimport/ModelSink.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

struct RelationshipSource {
    enum class Kind { None, Access, Sql };
    Kind kind = Kind::None;
    // Access: the primary key of each table read, in the database's order.
    std::vector<std::pair<std::string, std::vector<std::string>>> PrimaryKeys;
    std::vector<CatalogRelation> Relations;
};

// What RebuildRelationships needs for `application`'s DBType, of the tables its business objects map and
// of `moreTables`: for "SQL" their foreign keys, for "Access" their primary keys and every relation.
RelationshipSource ReadRelationshipSource(const core::qelApplication& application, SchemaCatalog& catalog,
                                          const std::vector<std::string>& moreTables);

// The relationships made again from the source's keys. A relationship that stands for a key (the same
// business objects at its ends, the same foreign-key columns in any order, whatever key of the parent they
// refer to) stays as it is, with what was set on it, and the key's columns are marked again; every other
// relationship is deleted through the sink; each key that none stands for becomes a relationship named
// "Relationship" and the count plus one, or the next number no kept relationship's name holds. For a source
// of no kind the relationships stay as they are. A table whose key holds the keys of several parents (a link
// table) keeps as Identifying the one whose columns come first among its key properties; the others become
// Reference, their columns staying part of the key, and each made is named as "table: RelationshipN to
// parent" in what comes back. A foreign key is mandatory, and its child's association not optional, only
// where its columns take no Null. Errors are logged and raised again with the source "GetRelationshipInfo".
std::vector<std::string> RebuildRelationships(ModelSink& sink, core::qelApplication& application,
                                              const RelationshipSource& source);

}  // namespace schemaimport
