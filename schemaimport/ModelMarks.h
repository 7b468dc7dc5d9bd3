#pragma once
// Marks that the import sets on fields and properties it made.

#include <memory>
#include <string>
#include <vector>

#include "core/qelBusinessObject.h"
#include "schemaimport/ModelSink.h"

namespace schemaimport {

// The property that maps the table's column, or nullptr when the column has none.
std::shared_ptr<core::qelBusObjProperty> PropertyOfColumn(const core::qelBusinessObject& businessObject,
                                                          const std::string& column);

// Makes the columns' properties keys (their fields primary keys that take no nulls), numbers the business
// object's key properties 1..n in property order, and hands each marked property to the sink. Columns
// without a property are passed over.
void MarkPrimaryKey(ModelSink& sink, core::qelApplication& application,
                    const std::shared_ptr<core::qelBusinessObject>& businessObject,
                    const std::vector<std::string>& columns);

}  // namespace schemaimport
