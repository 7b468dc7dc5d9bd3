#pragma once
// What the import needs of the main window, so that it runs with or without one: the handlers through
// which every item enters the model (and the window's views), the window's state, and the few steps the
// window takes around an import. The builder's main window implements it; FilingSink is the headless one.
// The window's working references (current business object, property, ...) stay its own: the import
// passes the objects. The window leaves the repository's part of the deletes below to the application's
// next save while an import or synchronisation runs.

#include <memory>
#include <string>

#include "repository/ModelFiling.h"

namespace schemaimport {

class frmImportSelection;

class ModelSink : public repository::ModelItemHandlers {
  public:
    // The property's row and node are refreshed and the property filed again under its name; a property
    // whose field takes nulls is not mandatory.
    virtual void PropertyUpdated(core::qelApplication& application,
                                 const std::shared_ptr<core::qelBusObjProperty>& property) = 0;
    // Takes the relationship out of the model and the views (and the repository, for a stored
    // application).
    virtual void DeleteRelationship(core::qelApplication& application,
                                    const std::shared_ptr<core::qelRelationship>& relationship) = 0;
    // Takes the business object out of the model and the views (and the repository, for a stored
    // application), after every relationship that involves it. One that is not filed raises 9.
    virtual void DeleteBusObj(core::qelApplication& application,
                              const std::shared_ptr<core::qelBusinessObject>& businessObject) = 0;
    // Takes the property out of its business object, its keys and every association's foreign
    // properties, the views (and the repository, for a stored application). One that is not filed
    // raises 9.
    virtual void DeleteBusObjProperty(core::qelApplication& application,
                                      const std::shared_ptr<core::qelBusObjProperty>& property) = 0;

    // The window's state.
    virtual const std::shared_ptr<core::qelApplication>& Application() const = 0;
    virtual void SetApplication(std::shared_ptr<core::qelApplication> application) = 0;
    virtual bool IsAppOpened() const = 0;
    virtual void SetIsAppOpened(bool value) = 0;
    virtual bool IsImported() const = 0;
    virtual void SetIsImported(bool value) = 0;
    virtual bool IsDataChanged() const = 0;
    virtual void SetIsDataChanged(bool value) = 0;
    // The table selection dialog the calling command made for this import.
    virtual std::shared_ptr<frmImportSelection> ImportSelectionForm() const = 0;
    virtual void SetImportSelectionForm(std::shared_ptr<frmImportSelection> form) = 0;

    // The window's steps. The drawing is frozen while the model fills.
    virtual void LockWindowUpdate(bool locked) = 0;
    // No application in the window yet: the window empties its views and makes its builder dialogs anew.
    virtual void StartNewApplication() = 0;
    // The tree and the three lists are emptied; the model stays.
    virtual void ClearViews() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // File > Synchronize Application and File > Delete Application become usable.
    virtual void EnableStoredApplicationCommands() = 0;
    // The application information dialog, when the calling command used one.
    virtual void HideAppInfoForm() = 0;
    virtual void UnloadAppInfoForm() = 0;
};

}  // namespace schemaimport
