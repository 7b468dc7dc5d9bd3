// Names the check before a build would refuse, refused where they are typed: in the business object,
// property and method dialogs at OK, and in a rename in the tree at the end of the edit.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "builder/frmBusObjBuilder.h"
#include "builder/frmMethodBuilder.h"
#include "builder/frmPropertyBuilder.h"
#include "tests/builder/MainWindowFixture.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

class NameRefusal : public MainWindow {
  protected:
    NameRefusal() {
        for (const char* name : {"Customer", "My_Order"})
            mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject(name));
        mForm.myPropertyForm_PropertyAdded(NewProperty("Customer", "Name"));
        mForm.myPropertyForm_PropertyAdded(NewProperty("Customer", "City"));
        mForm.myMethodForm_MethodAdded(NewMethod("Customer", "Fetch"));
        mForm.SetIsDataChanged(false);
    }

    // Types `name` into the dialog the command opens and presses OK; where the dialog left the focus when
    // it stayed open, else "closed".
    template <typename Dialog>
    std::string Typed(const std::string& name, const std::function<void()>& command) {
        std::string after = "not shown";
        mScript.AnswerDialog([&](ui::ModalDialog& shown) {
            auto& dialog = dynamic_cast<Dialog&>(shown);
            dialog.txtName_Change(name);
            if constexpr (std::is_same_v<Dialog, builder::frmMethodBuilder>)
                dialog.chkIsStoredProcedure.Value = 0;
            dialog.cmdOK_Click();
            after = IsOpen(dialog) ? dialog.Focus() : "closed";
            dialog.cmdCancel_Click();
        });
        command();
        return after;
    }
    static bool IsOpen(const builder::frmBusObjBuilder& dialog) { return dialog.IsVisible(); }
    template <typename Dialog>
    static bool IsOpen(const Dialog& dialog) {
        return dialog.IsLoaded();
    }

    // The label of `key` edited to `name`; "closed" when accepted, else "kept".
    std::string Renamed(const std::string& key, const std::string& name) {
        Select(key);
        mForm.mnuBusObjRename_Click();
        std::string label = name;
        return mForm.BusObjTreeView_AfterLabelEdit(label) ? "kept" : "renamed";
    }
};

TEST_F(NameRefusal, EachPlaceRefusesWhatTheBuildWouldRefuseWithTheChecksRule) {
    using Place = std::function<std::string(const std::string&)>;
    const Place busObjDialog = [this](const std::string& name) {
        return Typed<builder::frmBusObjBuilder>(name, [this] { mForm.mnuBusObjNew_Click(); });
    };
    const Place propertyDialog = [this](const std::string& name) {
        Select("Customer");
        return Typed<builder::frmPropertyBuilder>(name, [this] { mForm.mnuPropertyNew_Click(); });
    };
    const Place methodDialog = [this](const std::string& name) {
        Select("Customer");
        return Typed<builder::frmMethodBuilder>(name, [this] { mForm.mnuMethodNew_Click(); });
    };
    const auto renaming = [this](const std::string& key) -> Place {
        return [this, key](const std::string& name) { return Renamed(key, name); };
    };
    const Place renameBusObj = renaming("My_Order"), renameProperty = renaming("Customer.Properties.City"),
                renameMethod = renaming("Customer.Methods.Fetch");
    struct Case {
        const Place& place;
        std::string typed;
        std::string message;
    };
    const std::string member = " is also the name of a member of every generated class, letter case aside";
    const std::vector<Case> cases = {
        {busObjDialog, "Type", "Business object \"Type\": \"Type\" is a word VB reserves!"},
        {busObjDialog, "_Total", "Business object \"_Total\": Name must begin with a letter!"},
        {busObjDialog, "Cost/Unit",
         "Business object \"Cost/Unit\": A name can hold only letters, digits and \"_\"!"},
        {propertyDialog, "Select", "Property \"Customer.Select\": \"Select\" is a word VB reserves!"},
        {propertyDialog, "Save", "Property \"Customer.Save\": the name \"Save\"" + member},
        {propertyDialog, "NameIsValid",
         "Property \"Customer.NameIsValid\": the name \"NameIsValid\" is also the name of the validation "
         "function of property \"Customer.Name\", letter case aside"},
        {propertyDialog, "Fetch",
         "Property \"Customer.Fetch\": the name \"Fetch\" is also the name of method \"Customer.Fetch\", "
         "letter case aside"},
        {methodDialog, "Dim", "Method \"Customer.Dim\": \"Dim\" is a word VB reserves!"},
        {methodDialog, "Post", "Method \"Customer.Post\": the name \"Post\"" + member},
        {methodDialog, "cityIsChanged",
         "Method \"Customer.cityIsChanged\": the name \"cityIsChanged\" is also the name of the change flag "
         "of property \"Customer.City\", letter case aside"},
        {renameBusObj, "Integer", "Business object \"Integer\": \"Integer\" is a word VB reserves!"},
        {renameBusObj, "_Order", "Business object \"_Order\": Name must begin with a letter!"},
        {renameProperty, "Loop", "Property \"Customer.Loop\": \"Loop\" is a word VB reserves!"},
        {renameProperty, "NameIsChanged",
         "Property \"Customer.NameIsChanged\": the name \"NameIsChanged\" is also the name of the change "
         "flag of property \"Customer.Name\", letter case aside"},
        {renameMethod, "Wend", "Method \"Customer.Wend\": \"Wend\" is a word VB reserves!"},
        {renameMethod, "Name",
         "Method \"Customer.Name\": the name \"Name\" is also the name of property \"Customer.Name\", letter "
         "case aside"},
        {renameMethod, "Search", "Method \"Customer.Search\": the name \"Search\"" + member},
        {renameProperty, "CITY", ""},  // its own names do not stand in its way
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const Lines tree = TreeKeys();
        const size_t prompts = mScript.Prompts().size();
        const std::string after = c.place(c.typed);
        if (c.message.empty()) {
            EXPECT_EQ(after, "renamed");
            EXPECT_EQ(mScript.Prompts().size(), prompts);
            continue;
        }
        EXPECT_TRUE(after == "txtName" || after == "kept") << after;  // the name stays to be typed over
        EXPECT_EQ(TreeKeys(), tree);
        EXPECT_FALSE(mForm.IsDataChanged());
        ASSERT_EQ(mScript.Prompts().size(), prompts + 1);
        EXPECT_EQ(Messages().back(), c.message + " (10, Error)");
    }
}

}  // namespace
}  // namespace builder_test
