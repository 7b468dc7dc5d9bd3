#pragma once
// The dialogs the main window opens: where each of its commands hands over to a dialog. The window
// decides which item a command refers to (context flags, selection, current business object and
// relationship) and then calls the matching member; the dialog reports back through the window's
// handlers. Every member opens nothing by default.

#include <memory>
#include <string>

namespace builder {

class frmBuilderMain;

class BuilderDialogs {
  public:
    virtual ~BuilderDialogs() = default;

    // Business Object > New..., toolbar "BusObj".
    virtual void NewBusinessObject() {}
    // The popup's New Property, New Method and New Relationship (the Business Object menu items set the
    // tree context first; toolbar "Relationship" does not). The dialog asks the window's
    // GetBusinessObject for the business object.
    virtual void NewProperty() {}
    virtual void NewMethod() {}
    virtual void NewRelationship() {}
    // Business Object > Add Virtual Property...: the picker for the business object of the selection.
    virtual void AddVirtualProperty() {}
    // Edit of a property or method: `key` is its row key, selected in its list, and the window's current
    // business object is its owner. `freshDialog` is set when the tree's Edit started it (a new dialog
    // instance), clear for a double click in the list (the instance there is).
    virtual void EditProperty(const std::string& /*key*/, bool /*freshDialog*/) {}
    virtual void EditMethod(const std::string& /*key*/, bool /*freshDialog*/) {}
    // Edit of a relationship: the window's current relationship and business object are set.
    virtual void EditRelationship(const std::string& /*name*/) {}
    // ClearGUI: new business-object, property and method dialogs replace the ones there are.
    virtual void RenewDialogs() {}
};

// The dialogs of a newly loaded window.
std::unique_ptr<BuilderDialogs> MakeBuilderDialogs(frmBuilderMain& form);

}  // namespace builder
