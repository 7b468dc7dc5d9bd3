// The main window's views: right clicks and the popup's state, sorting, double clicks, Edit and the
// rename commands, and which business object a selection belongs to.

#include <optional>

#include "builder/frmBuilderMain.h"
#include "core/ApplicationLog.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"
#include "platform/vb/Text.h"

namespace builder {

namespace {

constexpr int32_t kRightButton = 2;

bool Contains(const std::string& key, std::string_view part) {
    return vb::InStr(key, part, vb::Compare::Text) > 0;
}

const char* ListName(frmBuilderMain::ListTab list) {
    switch (list) {
        case frmBuilderMain::ListTab::Properties:
            return "PropertyListView";
        case frmBuilderMain::ListTab::Methods:
            return "MethodListView";
        case frmBuilderMain::ListTab::Relationships:
            break;
    }
    return "RelationshipListView";
}

// The list of a list context.
frmBuilderMain::ListTab ListOfContext(frmBuilderMain::Context context) {
    switch (context) {
        case frmBuilderMain::Context::Property:
            return frmBuilderMain::ListTab::Properties;
        case frmBuilderMain::Context::Method:
            return frmBuilderMain::ListTab::Methods;
        default:
            break;
    }
    return frmBuilderMain::ListTab::Relationships;
}

}  // namespace

ReportList& frmBuilderMain::List(ListTab list) {
    switch (list) {
        case ListTab::Properties:
            return mViews->PropertyListView;
        case ListTab::Methods:
            return mViews->MethodListView;
        case ListTab::Relationships:
            break;
    }
    return mViews->RelationshipListView;
}

void frmBuilderMain::BusObjTreeView_MouseDown(int32_t button) {
    if (button != kRightButton)
        return;
    RunCommand("BusObjTreeView_MouseDown", [this] {
        const ModelTree& tree = mViews->BusObjTreeView;
        if (tree.Count() > 0) {
            const std::string key = tree.SelectedItem() ? tree.SelectedItem()->Key : std::string();
            mMenuVisible["mnuPropMethDelete"] = Contains(key, ".Methods.");
            mMenuVisible["mnuRelationshipDelete"] = ParseRelationshipKey(key).has_value();
        }
        mContext = Context::Tree;
        if (mView)
            mView->ShowPopup();
    });
}

void frmBuilderMain::ListView_MouseDown(ListTab list, int32_t button) {
    if (button != kRightButton)
        return;
    RunCommand((std::string(ListName(list)) + "_MouseDown").c_str(), [this, list] {
        const bool hasRows = List(list).Count() > 0;
        mMenuVisible["mnuPropMethDelete"] = list == ListTab::Methods && hasRows;
        mMenuVisible["mnuRelationshipDelete"] = list == ListTab::Relationships;
        static constexpr Context kContextOf[] = {Context::Property, Context::Method, Context::Relationship};
        mContext = hasRows ? kContextOf[static_cast<int>(list)] : Context::Tree;
        ModelTree& tree = mViews->BusObjTreeView;
        if (list == ListTab::Relationships && !hasRows && tree.Count() > 0 && !tree.SelectedItem())
            tree.Select(tree.Roots().front()->Key);
        if (mView)
            mView->ShowPopup();
    });
}

void frmBuilderMain::ListView_ColumnClick(ListTab list, int32_t columnIndex) {
    RunCommand((std::string(ListName(list)) + "_ColumnClick").c_str(),
               [this, list, columnIndex] { List(list).ColumnClick(columnIndex); });
}

void frmBuilderMain::ListView_DblClick(ListTab list) {
    RunCommand((std::string(ListName(list)) + "_DblClick").c_str(), [this, list] {
        const ListRow* row = List(list).SelectedItem();
        if (!row)
            return;
        const std::string key = row->Key;
        mCurrentBusObj = mApplication->BusinessObjects()->Item(row->Text);
        switch (list) {
            case ListTab::Properties:
                mDialogs->EditProperty(key, false);
                break;
            case ListTab::Methods:
                mDialogs->EditMethod(key, false);
                break;
            case ListTab::Relationships:
                EditRelationshipOfKey(key);
                break;
        }
    });
}

void frmBuilderMain::EditRelationshipOfKey(const std::string& key) {
    const auto parts = ParseRelationshipKey(key);
    if (!parts)
        return;
    mCurrentRelationship = mApplication->Relationships()->Item(parts->Name);
    mDialogs->EditRelationship(parts->Name);
}

void frmBuilderMain::mnuPropMethEdit_Click() {
    if (mContext == Context::Property || mContext == Context::Method || mContext == Context::Relationship) {
        ListView_DblClick(ListOfContext(mContext));
        mContext = Context::None;
        return;
    }
    if (mContext != Context::Tree || mViews->BusObjTreeView.Count() == 0)
        return;
    RunCommand("mnuPropMethEdit_Click", [this] {
        const TreeNode* node = mViews->BusObjTreeView.SelectedItem();
        if (!node) {
            mContext = Context::None;
            return;
        }
        const std::string key = node->Key;
        if (key.find('.') == std::string::npos) {
            mnuBusObjRename_Click();
            mContext = Context::None;
            return;
        }
        mContext = Context::None;
        mCurrentBusObj = mApplication->BusinessObjects()->Item(FirstSegment(key));
        const std::string parentKey = node->Parent ? node->Parent->Key : std::string();
        if (Contains(parentKey, kProperties)) {
            mViews->PropertyListView.Select(key);
            mDialogs->EditProperty(key, true);
        } else if (Contains(parentKey, kMethods)) {
            mViews->MethodListView.Select(key);
            mDialogs->EditMethod(key, true);
        } else if (Contains(parentKey, kRelationships)) {
            mViews->RelationshipListView.Select(key);
            EditRelationshipOfKey(key);
        }
    });
}

std::shared_ptr<core::qelBusinessObject> frmBuilderMain::GetBusinessObject() {
    return core::LogAndRaiseAs("GetBusinessObject", [this] {
        // Every key of a view starts with the name of the business object it belongs to.
        std::optional<std::string> name;
        if (mContext == Context::Tree) {
            if (const TreeNode* node = mViews->BusObjTreeView.SelectedItem())
                name = FirstSegment(node->Key);
        } else if (mContext != Context::None) {
            if (const ListRow* row = List(ListOfContext(mContext)).SelectedItem())
                name = FirstSegment(row->Key);
        }
        const auto& businessObjects = *mApplication->BusinessObjects();
        if (name)
            mCurrentBusObj = businessObjects.Exists(*name) ? businessObjects.Item(*name) : nullptr;
        if (mCurrentBusObj && (!businessObjects.Exists(mCurrentBusObj->Name()) ||
                               businessObjects.Item(mCurrentBusObj->Name()) != mCurrentBusObj))
            mCurrentBusObj.reset();
        return mCurrentBusObj;
    });
}

void frmBuilderMain::mnuBusObjRename_Click() {
    mContext = Context::Tree;
    ModelTree& tree = mViews->BusObjTreeView;
    if (!tree.SelectedItem() || BusObjTreeView_BeforeLabelEdit())
        return;
    mLabelEditKey = tree.SelectedItem()->Key;
    if (mView)
        mView->StartLabelEdit(mLabelEditKey);
}

void frmBuilderMain::mnuFileRename_Click() {
    mContext = Context::Tree;
    mnuPropMethRename_Click();
}

void frmBuilderMain::mnuPropMethRename_Click() {
    // The lists' labels are not the model's names: a rename from a list edits the item's tree node.
    const ListRow* row = nullptr;
    if (mContext == Context::Property)
        row = mViews->PropertyListView.SelectedItem();
    else if (mContext == Context::Method)
        row = mViews->MethodListView.SelectedItem();
    else if (mContext != Context::Tree)
        return;
    ModelTree& tree = mViews->BusObjTreeView;
    if (row) {
        if (!tree.Contains(row->Key))
            return;
        tree.Select(row->Key);
    }
    const TreeNode* node = tree.SelectedItem();
    if (!node || BusObjTreeView_BeforeLabelEdit())
        return;
    mLabelEditKey = node->Key;
    if (mView)
        mView->StartLabelEdit(mLabelEditKey);
}

}  // namespace builder
