#pragma once
// How a model item enters the open application: the main window's "added" handlers. A load (and an
// import) hands every item it makes to these handlers, one at a time, so that the item is filed exactly
// as an item added through a dialog is.

#include <memory>
#include <string>
#include <vector>

namespace core {
class qelApplication;
class qelBusinessObject;
class qelBusObjProperty;
class qelBusObjMethod;
class qelRelationship;
}  // namespace core

namespace repository {

// The four handlers. The main window implements them to file the item (through the File functions
// below) and to show it; ModelFiling only files it.
class ModelItemHandlers {
  public:
    virtual ~ModelItemHandlers() = default;
    virtual void BusinessObjectAdded(core::qelApplication& application,
                                     const std::shared_ptr<core::qelBusinessObject>& businessObject) = 0;
    virtual void PropertyAdded(core::qelApplication& application,
                               const std::shared_ptr<core::qelBusObjProperty>& property) = 0;
    virtual void MethodAdded(core::qelApplication& application,
                             const std::shared_ptr<core::qelBusObjMethod>& method) = 0;
    virtual void RelationshipAdded(core::qelApplication& application,
                                   const std::shared_ptr<core::qelRelationship>& relationship) = 0;
};

// What each handler does to the model. A name that the application does not hold raises 9, a key that is
// taken (letter case ignored) raises 457; nothing is filed then.

// Under its name in BusinessObjects; the methods it already holds take its name as their business
// object's name and are not filed again.
void FileBusinessObject(core::qelApplication& application,
                        const std::shared_ptr<core::qelBusinessObject>& businessObject);
// Under BusinessObjectName & ".Properties." & Name in its business object's Properties; a property
// whose field takes nulls is not mandatory.
void FileProperty(core::qelApplication& application,
                  const std::shared_ptr<core::qelBusObjProperty>& property);
// Under BusinessObjectName & ".Methods." & Name in its business object's Methods.
void FileMethod(core::qelApplication& application, const std::shared_ptr<core::qelBusObjMethod>& method);
// Under its name in Relationships; an unnamed relationship is named first (NextRelationshipName).
void FileRelationship(core::qelApplication& application,
                      const std::shared_ptr<core::qelRelationship>& relationship);

// Takes a relationship out of the model: its foreign properties are unmarked (and their fields), each
// association leaves its two business objects, and the relationship leaves Relationships by its exact
// name. The properties stay where they are and refer to no key of the other business object any more.
void UnfileRelationship(core::qelApplication& application,
                        const std::shared_ptr<core::qelRelationship>& relationship);

// The relationships with an end at the business object, each once, in the application's order.
std::vector<std::shared_ptr<core::qelRelationship>> RelationshipsInvolving(
    const core::qelApplication& application, const core::qelBusinessObject& businessObject);
// Takes a business object out of the model: first every relationship that involves it (as
// UnfileRelationship), so that no other business object keeps an end to it or a foreign property taken
// from it, then the object itself from BusinessObjects. One that is not filed there raises 9 and nothing
// changes.
void UnfileBusinessObject(core::qelApplication& application,
                          const std::shared_ptr<core::qelBusinessObject>& businessObject);
// Takes a property out of its business object: its field leaves the table, the property leaves
// Properties, KeyProperties (the keys that remain numbered 1, 2, 3 ...) and every association's
// SourceForeignProperties, and no property displays it or takes it over as a key any more. One that is
// not filed raises 9 and nothing changes.
void UnfileProperty(core::qelApplication& application,
                    const std::shared_ptr<core::qelBusObjProperty>& property);

// "Relationship1" for the first relationship, else "Relationship" and one more than the number that ends
// the last relationship's name; 13 when that name holds no such number.
std::string NextRelationshipName(const core::qelApplication& application);

class ModelFiling final : public ModelItemHandlers {
  public:
    void BusinessObjectAdded(core::qelApplication& application,
                             const std::shared_ptr<core::qelBusinessObject>& businessObject) override {
        FileBusinessObject(application, businessObject);
    }
    void PropertyAdded(core::qelApplication& application,
                       const std::shared_ptr<core::qelBusObjProperty>& property) override {
        FileProperty(application, property);
    }
    void MethodAdded(core::qelApplication& application,
                     const std::shared_ptr<core::qelBusObjMethod>& method) override {
        FileMethod(application, method);
    }
    void RelationshipAdded(core::qelApplication& application,
                           const std::shared_ptr<core::qelRelationship>& relationship) override {
        FileRelationship(application, relationship);
    }
};

}  // namespace repository
