#pragma once
// A small application for the builder dialogs' tests, and a text of everything those dialogs may change,
// to compare a model before and after.

#include <memory>
#include <string>

#include "core/ModelFwd.h"

namespace builder_test {

// "Sales": Customer (CustomerID key, Name, Region with the list "North", "South") and Order (OrderID
// key, Amount, CustomerID a foreign property whose key is Customer's CustomerID, Ship_Date). Order refers to
// Customer through an optional to-one association and to OrderLine (Quantity) through a to-many one. Every
// property has a named field in its business object's table.
struct SalesModel {
    SalesModel();

    std::shared_ptr<core::qelApplication> application;
    std::shared_ptr<core::qelBusinessObject> customer;
    std::shared_ptr<core::qelBusinessObject> order;
    std::shared_ptr<core::qelBusinessObject> orderLine;

    std::shared_ptr<core::qelBusObjProperty> Property(const std::shared_ptr<core::qelBusinessObject>& owner,
                                                      const std::string& name) const;
};

// A property with a field of its own name in the owner's table, filed under the owner's key.
std::shared_ptr<core::qelBusObjProperty> AddProperty(const std::shared_ptr<core::qelBusinessObject>& owner,
                                                     const std::string& name, const std::string& dataType,
                                                     bool isKey = false);

// Every business object with its table, fields, properties (all their values), key order and methods.
std::string ModelText(const core::qelApplication& application);

// Handlers that file as the main window does: added under its key, updated re-keyed by the filed key; a
// taken key refuses through `refuse`.
void FileAddedProperty(core::qelApplication& application,
                       const std::shared_ptr<core::qelBusObjProperty>& property, bool& refused);
void FileUpdatedProperty(core::qelApplication& application,
                         const std::shared_ptr<core::qelBusObjProperty>& property, bool& refused);

}  // namespace builder_test
