// Renaming a business object, property or method by editing its label in the tree. Model objects,
// nodes and rows are found by keys made of names, so a rename re-keys them all; everything is checked
// before anything changes.

#include "builder/DialogChecks.h"
#include "builder/Rekey.h"
#include "builder/frmBuilderMain.h"
#include "core/CommonNames.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"
#include "platform/vb/Text.h"

namespace builder {

namespace {

constexpr const char* kCrudMethods[] = {"Add", "Update", "Read", "Delete"};

bool RefuseName(const std::string& message) {
    ui::MsgBox(message, 10, "Error");
    return false;
}

// Another item of `items` (not `self`) whose name equals `name`, letter case ignored.
template <typename Items, typename Item>
bool NameTaken(const Items& items, const Item& self, const std::string& name) {
    for (const auto& item : items) {
        if (item != self && vb::TextEquals(item->Name(), name))
            return true;
    }
    return false;
}

void CollectSubtree(TreeNode& node, std::vector<TreeNode*>& nodes) {
    nodes.push_back(&node);
    for (TreeNode* child : node.Children)
        CollectSubtree(*child, nodes);
}

}  // namespace

bool frmBuilderMain::BusObjTreeView_BeforeLabelEdit() {
    const TreeNode* node = mViews->BusObjTreeView.SelectedItem();
    return !node || !IsLabelEditable(*node);
}

bool frmBuilderMain::BusObjTreeView_AfterLabelEdit(std::string& newString) {
    bool renamed = false;
    RunCommand("BusObjTreeView_AfterLabelEdit", [this, &newString, &renamed] {
        mLabelEditKey.clear();
        const TreeNode* node = mViews->BusObjTreeView.SelectedItem();
        if (!node || newString.empty() || newString == node->Text || !IsLabelEditable(*node))
            return;
        std::string name = newString;
        std::string message;
        if (!core::Common::ValidateName(name, message)) {
            RefuseName(message);
            return;
        }
        if (name == node->Text)
            return;
        const std::string key = node->Key;
        const std::string parentKey = node->Parent ? node->Parent->Key : std::string();
        if (key.find('.') == std::string::npos)
            renamed = RenameBusinessObject(key, name);
        else if (vb::InStr(parentKey, kProperties, vb::Compare::Text) > 0)
            renamed = RenameProperty(key, name);
        else
            renamed = RenameMethod(key, name);
        if (renamed) {
            newString = name;
            mIsDataChanged = true;
        }
    });
    return !renamed;
}

bool frmBuilderMain::RenameProperty(const std::string& oldKey, std::string& newName) {
    const auto businessObject = mApplication->BusinessObjects()->Item(FirstSegment(oldKey));
    auto& properties = *businessObject->Properties();
    const auto property = properties.Item(oldKey);
    const std::string newKey = PropertyKey(businessObject->Name(), newName);
    ReportList& list = mViews->PropertyListView;
    if (LeafKeyTaken(properties, mViews->BusObjTreeView, list, oldKey, newKey))
        return RefuseName("A business object property with the same name already \rexists for the " +
                          businessObject->Name() + " business object.");
    if (Refused(PropertyNameRefusal(*businessObject, property.get(), newName, property->DataType())))
        return false;

    RekeyLeaf(properties, IndexOf(properties, property), mViews->BusObjTreeView, list, oldKey, newKey,
              newName);
    mCurrentProperty = property;
    property->SetName(newName);
    auto& keyProperties = *businessObject->KeyProperties();
    if (const int32_t keyIndex = IndexOf(keyProperties, property); keyIndex > 0)
        Rekey(keyProperties, keyIndex, newName);
    return true;
}

bool frmBuilderMain::RenameMethod(const std::string& oldKey, std::string& newName) {
    const auto businessObject = mApplication->BusinessObjects()->Item(FirstSegment(oldKey));
    auto& methods = *businessObject->Methods();
    const auto method = methods.Item(oldKey);
    const std::string newKey = MethodKey(businessObject->Name(), newName);
    ReportList& list = mViews->MethodListView;
    if (LeafKeyTaken(methods, mViews->BusObjTreeView, list, oldKey, newKey))
        return RefuseName("A business object method with the same name already \rexists for the " +
                          businessObject->Name() + " business object.");
    for (const char* crud : kCrudMethods) {
        if (method->Name() == crud)
            return RefuseName("CRUD methods cannot be renamed!");
    }
    if (Refused(MethodNameRefusal(*businessObject, method.get(), newName)))
        return false;

    RekeyLeaf(methods, IndexOf(methods, method), mViews->BusObjTreeView, list, oldKey, newKey, newName);
    mCurrentMethod = method;
    method->SetName(newName);
    return true;
}

bool frmBuilderMain::RenameBusinessObject(const std::string& oldName, std::string& newName) {
    auto& businessObjects = *mApplication->BusinessObjects();
    const auto businessObject = businessObjects.Item(oldName);
    if (NameTaken(businessObjects, businessObject, newName))
        return RefuseName("A business object with the same name already \rexists for the " +
                          mApplication->Name() + " application.");
    if (Refused(BusinessObjectNameRefusal(newName)))
        return false;
    // Every key of the business object's nodes, rows and ends starts with its name and a ".": only that
    // leading segment changes.
    const auto renamed = [&oldName, &newName](const std::string& key) {
        return newName + key.substr(oldName.size());
    };
    ModelTree& tree = mViews->BusObjTreeView;
    std::vector<TreeNode*> nodes;
    CollectSubtree(tree.Node(oldName), nodes);
    for (const TreeNode* node : nodes) {
        const TreeNode* taken = tree.Find(renamed(node->Key));
        if (taken && std::find(nodes.begin(), nodes.end(), taken) == nodes.end())
            vb::Raise(vb::kDuplicateKey);
    }
    auto& properties = *businessObject->Properties();
    auto& methods = *businessObject->Methods();
    auto& sourceEnds = *businessObject->SourceAssociations();
    for (int32_t i = 1; i <= properties.Count(); ++i)
        mViews->PropertyListView.Row(properties.KeyOf(i));
    for (int32_t i = 1; i <= methods.Count(); ++i)
        mViews->MethodListView.Row(methods.KeyOf(i));
    for (int32_t i = 1; i <= sourceEnds.Count(); ++i)
        mViews->RelationshipListView.Row(sourceEnds.KeyOf(i));

    mCurrentBusObj = businessObject;
    businessObject->SetName(newName);
    Rekey(businessObjects, IndexOf(businessObjects, businessObject), newName);
    for (TreeNode* node : nodes) {
        const std::string key = node->Key;
        tree.SetKey(key, renamed(key));
    }
    for (int32_t i = 1; i <= properties.Count(); ++i) {
        const std::string oldKey = properties.KeyOf(i);
        properties.Item(i)->SetBusinessObjectName(newName);
        mViews->PropertyListView.Row(oldKey).Text = newName;
        mViews->PropertyListView.SetKey(oldKey, renamed(oldKey));
        Rekey(properties, i, renamed(oldKey));
    }
    for (int32_t i = 1; i <= methods.Count(); ++i) {
        const std::string oldKey = methods.KeyOf(i);
        methods.Item(i)->SetBusinessObjectName(newName);
        mViews->MethodListView.Row(oldKey).Text = newName;
        mViews->MethodListView.SetKey(oldKey, renamed(oldKey));
        Rekey(methods, i, renamed(oldKey));
    }
    for (int32_t i = 1; i <= sourceEnds.Count(); ++i) {
        const std::string oldKey = sourceEnds.KeyOf(i);
        const std::string newKey = renamed(oldKey);
        const auto association = sourceEnds.Item(i);
        if (const auto relationship = association->Relationship()) {
            auto& ends = *relationship->Associations();
            if (const int32_t at = IndexOf(ends, association); at > 0)
                Rekey(ends, at, newKey);
        }
        if (const auto target = association->TargetBusObj()) {
            auto& targetEnds = *target->TargetAssociations();
            if (const int32_t at = IndexOf(targetEnds, association); at > 0)
                Rekey(targetEnds, at, newKey);
        }
        Rekey(sourceEnds, i, newKey);
        mViews->RelationshipListView.Row(oldKey).Text = newName;
        mViews->RelationshipListView.SetKey(oldKey, newKey);
    }
    // Ends that arrive here name it as their target.
    for (const auto& association : *businessObject->TargetAssociations()) {
        const auto source = association->SourceBusObj();
        const auto relationship = association->Relationship();
        if (!source || !relationship)
            continue;
        const auto& ends = *relationship->Associations();
        const int32_t at = IndexOf(ends, association);
        if (at == 0)
            continue;
        const std::string key = ends.KeyOf(at);
        if (ListRow* row = mViews->RelationshipListView.Find(key))
            row->SubItems[3] = newName;
        if (TreeNode* node = tree.Find(key))
            node->Text = RelationshipNodeText(*association);
    }
    tree.SetText(newName, newName);
    mViews->PropertyListView.Changed();
    mViews->MethodListView.Changed();
    mViews->RelationshipListView.Changed();
    return true;
}

}  // namespace builder
