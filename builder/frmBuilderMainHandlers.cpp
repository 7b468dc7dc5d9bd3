// The handlers through which every model item enters the open application and the views: business
// objects, properties, methods and relationships, added or updated. Each checks every key it will write
// before it changes anything.

#include "builder/Rekey.h"
#include "builder/frmBuilderMain.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "platform/vb/Text.h"

namespace builder {

namespace {

// A refusal through a dialog is a message and false; through a load it ends the load.
bool Refuse(bool byDialog, const std::string& message, int32_t style, const std::string& title,
            const char* procedure) {
    if (!byDialog)
        vb::Raise(vb::kDuplicateKey, procedure);
    ui::MsgBox(message, style, title);
    return false;
}

std::string DuplicateItemMessage(const std::string& kind, const std::string& businessObject) {
    return "A " + kind + " with the same name already exists for the " + businessObject + " Business Object.";
}

// A node's expanded state survives adding a child and making it visible.
void AddVisibleChild(ModelTree& tree, const std::string& parentKey, const std::string& key,
                     const std::string& text) {
    TreeNode& parent = tree.Node(parentKey);
    const bool expanded = parent.Expanded;
    tree.Add(parentKey, key, text);
    tree.EnsureVisible(key);
    parent.Expanded = expanded;
}

std::string ChildKey(const std::string& businessObject, const char* group) {
    return businessObject + group;
}

}  // namespace

bool frmBuilderMain::AddBusinessObject(core::qelApplication& application,
                                       const std::shared_ptr<core::qelBusinessObject>& businessObject,
                                       Filing filing) {
    const std::string name = businessObject->Name();
    const ModelTree& tree = mViews->BusObjTreeView;
    bool taken = application.BusinessObjects()->Exists(name);
    for (const char* group : {"", kProperties, kMethods, kRelationships})
        taken = taken || tree.Contains(ChildKey(name, group));
    for (const auto& method : *businessObject->Methods()) {
        const std::string key = MethodKey(name, method->Name());
        taken = taken || tree.Contains(key) || mViews->MethodListView.Find(key);
    }
    if (taken)
        return Refuse(filing == Filing::Dialog,
                      "A business object with the same name already \rexists for the " + application.Name() +
                          " application.",
                      10, "Error", "myBusObjForm_BusinessObjectAdded");

    mCurrentBusObj = businessObject;
    application.BusinessObjects()->Add(businessObject, name);
    ModelTree& nodes = mViews->BusObjTreeView;
    nodes.Add("", name, name, "BusinessObject");
    nodes.Select(name);
    nodes.Add(name, ChildKey(name, kProperties), "Properties", "Property");
    nodes.Add(name, ChildKey(name, kMethods), "Methods", "Method");
    nodes.Add(name, ChildKey(name, kRelationships), "Relationships", "Relationship");
    nodes.EnsureVisible(ChildKey(name, kRelationships));

    mIsAddingBusObj = true;
    for (const auto& method : *businessObject->Methods()) {
        mContext = Context::Tree;
        mCurrentMethod = method;
        method->SetBusinessObjectName(name);
        AddMethod(application, method, filing);
    }
    nodes.Node(ChildKey(name, kMethods)).Expanded = false;
    mIsAddingBusObj = false;
    mHasBusObj = true;
    return true;
}

bool frmBuilderMain::AddMethod(core::qelApplication& application,
                               const std::shared_ptr<core::qelBusObjMethod>& method, Filing filing) {
    const auto businessObject = application.BusinessObjects()->Item(method->BusinessObjectName());
    mCurrentBusObj = businessObject;
    const std::string group = ChildKey(businessObject->Name(), kMethods);
    const std::string key = MethodKey(businessObject->Name(), method->Name());
    ModelTree& tree = mViews->BusObjTreeView;
    tree.Node(group);
    if ((!mIsAddingBusObj && businessObject->Methods()->Exists(key)) || tree.Contains(key) ||
        mViews->MethodListView.Find(key))
        return Refuse(filing == Filing::Dialog, DuplicateItemMessage("method", businessObject->Name()),
                      ui::vbInformation, "Information", "myMethodForm_MethodAdded");

    AddVisibleChild(tree, group, key, method->Name());
    if (!mIsAddingBusObj)
        businessObject->Methods()->Add(method, key);
    mViews->MethodListView.Add(key, method->BusinessObjectName(), MethodSubItems(*method));
    mIsDataChanged = true;
    return true;
}

bool frmBuilderMain::AddProperty(core::qelApplication& application,
                                 const std::shared_ptr<core::qelBusObjProperty>& property, Filing filing) {
    const auto businessObject = application.BusinessObjects()->Item(property->BusinessObjectName());
    mCurrentBusObj = businessObject;
    const std::string group = ChildKey(businessObject->Name(), kProperties);
    const std::string key = PropertyKey(businessObject->Name(), property->Name());
    ModelTree& tree = mViews->BusObjTreeView;
    tree.Node(group);
    if (businessObject->Properties()->Exists(key) || tree.Contains(key) || mViews->PropertyListView.Find(key))
        return Refuse(filing == Filing::Dialog, DuplicateItemMessage("property", businessObject->Name()),
                      ui::vbInformation, "Information", "myPropertyForm_PropertyAdded");

    if (property->Field() && property->Field()->IsNullable())
        property->SetIsMandatory(false);
    businessObject->Properties()->Add(property, key);
    AddVisibleChild(tree, group, key, property->Name());
    mViews->PropertyListView.Add(key, property->BusinessObjectName(), PropertySubItems(*property));
    mIsDataChanged = true;
    return true;
}

bool frmBuilderMain::AddRelationship(core::qelApplication& application,
                                     const std::shared_ptr<core::qelRelationship>& relationship,
                                     Filing filing) {
    const std::string name =
        relationship->Name().empty() ? repository::NextRelationshipName(application) : relationship->Name();
    const auto& associations = *relationship->Associations();
    ModelTree& tree = mViews->BusObjTreeView;
    std::vector<std::string> keys;
    bool taken = application.Relationships()->Exists(name);
    for (int32_t i = 1; i <= associations.Count(); ++i) {
        const auto& association = *associations.Item(i);
        const auto source = association.SourceBusObj();
        const auto target = association.TargetBusObj();
        if (!source || !target)
            vb::Raise(vb::kObjectNotSet, "RelationshipAdded");
        tree.Node(ChildKey(source->Name(), kRelationships));
        keys.push_back(RelationshipKey(source->Name(), name, i == 2 && target->Name() == source->Name()));
        for (size_t k = 0; k + 1 < keys.size(); ++k)
            taken = taken || vb::TextEquals(keys[k], keys.back());
        taken = taken || tree.Contains(keys.back()) || mViews->RelationshipListView.Find(keys.back());
    }
    if (taken) {
        if (filing == Filing::Load)
            vb::Raise(vb::kDuplicateKey, "RelationshipAdded");
        vb::Error error(vb::kDuplicateKey, "", "RelationshipAdded");
        core::ReportUnexpectedError(error, "");
        return false;
    }

    relationship->SetName(name);
    application.Relationships()->Add(relationship, name);
    for (int32_t i = 1; i <= associations.Count(); ++i) {
        const auto& association = *associations.Item(i);
        const std::string source = association.SourceBusObj()->Name();
        const std::string& key = keys[static_cast<size_t>(i - 1)];
        AddVisibleChild(tree, ChildKey(source, kRelationships), key, RelationshipNodeText(association));
        mViews->RelationshipListView.Add(key, source, RelationshipSubItems(association));
    }
    mIsDataChanged = true;
    return true;
}

bool frmBuilderMain::myBusObjForm_BusinessObjectAdded(
    const std::shared_ptr<core::qelBusinessObject>& newBusObj) {
    ViewUpdate update(*this);
    return AddBusinessObject(*mApplication, newBusObj, Filing::Dialog);
}

bool frmBuilderMain::myMethodForm_MethodAdded(const std::shared_ptr<core::qelBusObjMethod>& method) {
    ViewUpdate update(*this);
    return AddMethod(*mApplication, method, Filing::Dialog);
}

bool frmBuilderMain::myPropertyForm_PropertyAdded(const std::shared_ptr<core::qelBusObjProperty>& property) {
    ViewUpdate update(*this);
    return AddProperty(*mApplication, property, Filing::Dialog);
}

bool frmBuilderMain::myRelationshipForm_RelationshipAdded(
    const std::shared_ptr<core::qelRelationship>& relationship) {
    ViewUpdate update(*this);
    return AddRelationship(*mApplication, relationship, Filing::Dialog);
}

void frmBuilderMain::BusinessObjectAdded(core::qelApplication& application,
                                         const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    AddBusinessObject(application, businessObject, Filing::Load);
}

void frmBuilderMain::PropertyAdded(core::qelApplication& application,
                                   const std::shared_ptr<core::qelBusObjProperty>& property) {
    AddProperty(application, property, Filing::Load);
}

void frmBuilderMain::MethodAdded(core::qelApplication& application,
                                 const std::shared_ptr<core::qelBusObjMethod>& method) {
    mContext = Context::Tree;
    AddMethod(application, method, Filing::Load);
}

void frmBuilderMain::RelationshipAdded(core::qelApplication& application,
                                       const std::shared_ptr<core::qelRelationship>& relationship) {
    mContext = Context::Tree;
    AddRelationship(application, relationship, Filing::Load);
}

bool frmBuilderMain::myMethodForm_MethodUpdated(const std::shared_ptr<core::qelBusObjMethod>& method) {
    ViewUpdate update(*this);
    const auto businessObject = mApplication->BusinessObjects()->Item(method->BusinessObjectName());
    mCurrentBusObj = businessObject;
    auto& methods = *businessObject->Methods();
    const int32_t index = IndexOf(methods, method);
    if (index == 0)
        vb::Raise(vb::kSubscriptOutOfRange, "myMethodForm_MethodUpdated");
    const std::string oldKey = methods.KeyOf(index);
    const std::string newKey = MethodKey(businessObject->Name(), method->Name());
    ReportList& list = mViews->MethodListView;
    ListRow& row = list.Row(oldKey);
    if (LeafKeyTaken(methods, mViews->BusObjTreeView, list, oldKey, newKey))
        return Refuse(true, DuplicateItemMessage("method", businessObject->Name()), ui::vbInformation,
                      "Information", "myMethodForm_MethodUpdated");

    RekeyLeaf(methods, index, mViews->BusObjTreeView, list, oldKey, newKey, method->Name());
    row.SubItems = MethodSubItems(*method);
    mIsDataChanged = true;
    return true;
}

bool frmBuilderMain::myPropertyForm_PropertyUpdated(
    const std::shared_ptr<core::qelBusObjProperty>& property) {
    ViewUpdate update(*this);
    const auto businessObject = mApplication->BusinessObjects()->Item(property->BusinessObjectName());
    mCurrentBusObj = businessObject;
    auto& properties = *businessObject->Properties();
    const int32_t index = IndexOf(properties, property);
    if (index == 0)
        vb::Raise(vb::kSubscriptOutOfRange, "myPropertyForm_PropertyUpdated");
    const std::string oldKey = properties.KeyOf(index);
    const std::string newKey = PropertyKey(businessObject->Name(), property->Name());
    ReportList& list = mViews->PropertyListView;
    ListRow& row = list.Row(oldKey);
    if (LeafKeyTaken(properties, mViews->BusObjTreeView, list, oldKey, newKey))
        return Refuse(true, DuplicateItemMessage("property", businessObject->Name()), ui::vbInformation,
                      "Information", "myPropertyForm_PropertyUpdated");

    if (property->Field() && property->Field()->IsNullable())
        property->SetIsMandatory(false);
    RekeyLeaf(properties, index, mViews->BusObjTreeView, list, oldKey, newKey, property->Name());
    auto& keyProperties = *businessObject->KeyProperties();
    if (const int32_t keyIndex = IndexOf(keyProperties, property); keyIndex > 0)
        Rekey(keyProperties, keyIndex, property->Name());
    row.SubItems = PropertySubItems(*property);
    mIsDataChanged = true;
    return true;
}

void frmBuilderMain::myRelationshipForm_RelationshipUpdated(
    const std::shared_ptr<core::qelRelationship>& relationship) {
    RunCommand("RelationshipUpdated", [this, &relationship] {
        const auto& relationships = *mApplication->Relationships();
        if (IndexOf(relationships, relationship) == 0)
            vb::Raise(vb::kSubscriptOutOfRange);
        mCurrentRelationship = relationship;
        const auto& associations = *relationship->Associations();
        std::vector<std::pair<TreeNode*, ListRow*>> ends;
        for (int32_t i = 1; i <= associations.Count(); ++i) {
            const auto& association = *associations.Item(i);
            const auto source = association.SourceBusObj();
            const auto target = association.TargetBusObj();
            if (!source || !target)
                vb::Raise(vb::kObjectNotSet);
            const std::string key = RelationshipKey(source->Name(), relationship->Name(),
                                                    i == 2 && target->Name() == source->Name());
            ends.emplace_back(&mViews->BusObjTreeView.Node(key), &mViews->RelationshipListView.Row(key));
        }
        for (int32_t i = 1; i <= associations.Count(); ++i) {
            const auto& association = *associations.Item(i);
            const auto [node, row] = ends[static_cast<size_t>(i - 1)];
            node->Text = RelationshipNodeText(association);
            row->SubItems = RelationshipSubItems(association);
        }
        mViews->RelationshipListView.Changed();
        mIsDataChanged = true;
    });
}

void frmBuilderMain::PropUpdatedByRelationship(const std::shared_ptr<core::qelBusObjProperty>& property) {
    RunCommand("PropUpdatedByRelationship", [this, &property] {
        mViews->PropertyListView.Select(PropertyKey(property->BusinessObjectName(), property->Name()));
        myPropertyForm_PropertyUpdated(property);
    });
}

}  // namespace builder
