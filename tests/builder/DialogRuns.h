#pragma once
// Driving the builder dialogs in tests: the message boxes they showed, and the property dialog over the
// sales model with handlers that file as the main window does.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "builder/frmPropertyBuilder.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/builder/DialogTestModel.h"

namespace builder_test {

struct Box {
    std::string prompt;
    int32_t style;
    std::string title;
};

inline void ExpectOnlyBox(const ui::ScriptedInteraction& script, const Box& box) {
    ASSERT_EQ(script.Prompts().size(), 1u) << box.prompt;
    EXPECT_EQ(script.Prompts()[0].prompt, box.prompt);
    EXPECT_EQ(script.Prompts()[0].buttons, box.style);
    EXPECT_EQ(script.Prompts()[0].title, box.title);
}

struct PropertyDialogRun {
    SalesModel model;
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed{script};
    builder::frmPropertyBuilder form;
    std::vector<std::string> events;
    bool refuse = false;

    PropertyDialogRun() {
        form.OnPropertyAdded([this](const std::shared_ptr<core::qelBusObjProperty>& property) {
            events.push_back("added " + property->Name());
            Handle(property, FileAddedProperty);
        });
        form.OnPropertyUpdated([this](const std::shared_ptr<core::qelBusObjProperty>& property) {
            events.push_back("updated " + property->Name());
            Handle(property, FileUpdatedProperty);
        });
    }

    void Prepare(const std::shared_ptr<core::qelBusinessObject>& owner) {
        form.SetProperties(owner->Properties());
        form.SetBusObj(owner);
        form.SetApplication(model.application);
    }
    void ShowNew(const std::shared_ptr<core::qelBusinessObject>& owner) {
        Prepare(owner);
        form.Show();
    }
    void ShowExisting(const std::shared_ptr<core::qelBusinessObject>& owner, const std::string& name) {
        Prepare(owner);
        form.LoadExistingProperty(owner->Name() + ".Properties." + name);
        form.Show();
    }
    void Fill(const std::string& name, const char* dataType, const std::string& length) {
        form.txtName_Change(name);
        form.cmbDataType.SetText(dataType);
        form.txtLength.Text = length;
    }

  private:
    template <typename File>
    void Handle(const std::shared_ptr<core::qelBusObjProperty>& property, File file) {
        bool refused = refuse;
        if (!refused)
            file(*model.application, property, refused);
        if (refused)
            form.DuplicateName(true);
    }
};

}  // namespace builder_test
