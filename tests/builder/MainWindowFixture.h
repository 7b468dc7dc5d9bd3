#pragma once
// A loaded main window over a repository of its own in a test folder, answering through a script, and
// model items made as the builder's dialogs make them (not yet filed: the window's handlers file them).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "builder/frmAppOpen.h"
#include "builder/frmBuilderMain.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "platform/ui/ScriptedInteraction.h"
#include "repository/ModelFiling.h"
#include "repository/RepositorySchema.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/repository/TestModels.h"

namespace builder_test {

using BusObjPtr = std::shared_ptr<core::qelBusinessObject>;
using PropertyPtr = std::shared_ptr<core::qelBusObjProperty>;
using MethodPtr = std::shared_ptr<core::qelBusObjMethod>;
using RelationshipPtr = std::shared_ptr<core::qelRelationship>;
using ListTab = builder::frmBuilderMain::ListTab;
using Context = builder::frmBuilderMain::Context;

using repository_test::NewBusinessObject;

inline PropertyPtr NewProperty(const std::string& businessObject, const std::string& name,
                               bool nullable = false) {
    auto property = std::make_shared<core::qelBusObjProperty>();
    property->SetName(name);
    property->SetBusinessObjectName(businessObject);
    property->SetAccess("Read/Write");
    property->SetLabel(name + ":");
    property->SetControlType("TextBox");
    property->SetDataType("String");
    property->SetLength(20);
    property->SetIsMandatory(true);
    property->Field()->SetName(name);
    property->Field()->SetIsNullable(nullable);
    return property;
}

inline MethodPtr NewMethod(const std::string& businessObject, const std::string& name) {
    auto method = std::make_shared<core::qelBusObjMethod>();
    method->SetName(name);
    method->SetBusinessObjectName(businessObject);
    method->SetMethodType("Function");
    method->SetReturnDataType("Long");
    return method;
}

// What the relationship dialog commits: `from` holds the foreign key of `to`; named after the last
// relationship of `application`, its ends filed in the relationship and at both business objects.
inline RelationshipPtr NewRelationship(const core::qelApplication& application, const BusObjPtr& from,
                                       const BusObjPtr& to) {
    auto relationship = std::make_shared<core::qelRelationship>();
    relationship->SetRelType("Reference");
    relationship->SetName(repository::NextRelationshipName(application));
    const auto end = [&relationship](const BusObjPtr& source, const BusObjPtr& target,
                                     const char* cardinality, bool optional, const char* description,
                                     const std::string& group) {
        auto association = std::make_shared<core::qelAssociation>();
        association->SetSourceBusObj(source);
        association->SetTargetBusObj(target);
        association->SetCardinality(cardinality);
        association->SetIsOptional(optional);
        association->SetDescription(description);
        association->SetRelationship(relationship);
        const std::string key = source->Name() + group + relationship->Name();
        relationship->Associations()->Add(association, key);
        source->SourceAssociations()->Add(association, key);
        target->TargetAssociations()->Add(association, key);
    };
    end(from, to, "One", false, "belongs to", ".Relationships.");
    end(to, from, "Many", true, "holds", from == to ? ".RelationshipsRecursive." : ".Relationships.");
    return relationship;
}

class MainWindow : public ::testing::Test {
  protected:
    MainWindow() {
        mForm.SetToolDBPath(mFolder.Path());
        mForm.Show();
    }

    // Keys of the tree, depth first, each indented by its depth; "*" marks an expanded node.
    std::vector<std::string> TreeKeys() const {
        std::vector<std::string> keys;
        for (const builder::TreeNode* root : mForm.Views().BusObjTreeView.Roots())
            Describe(*root, 0, keys);
        return keys;
    }
    // Every row as key, then text and sub-items joined by "|".
    static std::vector<std::string> Rows(const builder::ReportList& list) {
        std::vector<std::string> rows;
        for (const builder::ListRow* row : list.Rows()) {
            std::string line = row->Key + " = " + row->Text;
            for (const std::string& subItem : row->SubItems)
                line += "|" + subItem;
            rows.push_back(line);
        }
        return rows;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const auto& prompt : mScript.Prompts())
            messages.push_back(prompt.prompt + " (" + std::to_string(prompt.buttons) + ", " + prompt.title +
                               ")");
        return messages;
    }
    void Select(const std::string& nodeKey) { mForm.Views().BusObjTreeView.Select(nodeKey); }

    // File > Open of the application its dialog lists at `place` (from 0).
    void OpenApplication(size_t place) {
        mScript.AnswerDialog([place](ui::ModalDialog& dialog) {
            auto& open = dynamic_cast<builder::frmAppOpen&>(dialog);
            open.ApplicationListView().Select(open.ApplicationListView().Rows().at(place)->Key);
            open.cmdOK_Click();
        });
        mForm.mnuFileOpen_Click();
    }
    void OpenFirstApplication() { OpenApplication(0); }

    // The repository the build makes of the sample application.
    static std::filesystem::path SampleRepository() {
        const char* binary = std::getenv("OSTREL_BINARY_DIR");
        return std::filesystem::path(binary ? binary : ".") / "samples" / "vbostrel.mdb";
    }
    // The window opened an empty repository at load; puts the sample in its place and loads again.
    void UseSampleRepository() {
        mForm.Unload();
        std::filesystem::copy_file(SampleRepository(), mFolder.Path() / "vbostrel.mdb",
                                   std::filesystem::copy_options::overwrite_existing);
        mForm.Show();
    }
    std::map<std::string, int> RowCounts() {
        std::map<std::string, int> counts;
        for (const auto& table : repository::RepositoryTables())
            counts[table.Name] = static_cast<int>(mForm.dbZUN()->Select(table.Name).Count());
        return counts;
    }

    dao_test::TestFolder mFolder;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mUseScript{mScript};
    builder::frmBuilderMain mForm;

  private:
    static void Describe(const builder::TreeNode& node, size_t depth, std::vector<std::string>& keys) {
        keys.push_back(std::string(depth * 2, ' ') + node.Key + (node.Expanded ? " *" : ""));
        for (const builder::TreeNode* child : node.Children)
            Describe(*child, depth + 1, keys);
    }
};

}  // namespace builder_test
