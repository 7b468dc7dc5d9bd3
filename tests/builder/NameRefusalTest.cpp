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
    enum class Place {
        BusObjDialog,
        PropertyDialog,
        MethodDialog,
        RenameBusObj,
        RenameProperty,
        RenameMethod
    };
    struct Case {
        Place place;
        std::string typed;
        std::string message;
    };
    const std::string member = " is also the name of a member of every generated class, letter case aside";
    const std::vector<Case> cases = {
        {Place::BusObjDialog, "Type", "Business object \"Type\": \"Type\" is a word VB reserves!"},
        {Place::BusObjDialog, "_Total", "Business object \"_Total\": Name must begin with a letter!"},
        {Place::BusObjDialog, "Cost/Unit",
         "Business object \"Cost/Unit\": A name can hold only letters, digits and \"_\"!"},
        {Place::PropertyDialog, "Select", "Property \"Customer.Select\": \"Select\" is a word VB reserves!"},
        {Place::PropertyDialog, "Save", "Property \"Customer.Save\": the name \"Save\"" + member},
        {Place::PropertyDialog, "NameIsValid",
         "Property \"Customer.NameIsValid\": the name \"NameIsValid\" is also the name of the validation "
         "function of property \"Customer.Name\", letter case aside"},
        {Place::PropertyDialog, "Fetch",
         "Property \"Customer.Fetch\": the name \"Fetch\" is also the name of method \"Customer.Fetch\", "
         "letter case aside"},
        {Place::MethodDialog, "Dim", "Method \"Customer.Dim\": \"Dim\" is a word VB reserves!"},
        {Place::MethodDialog, "Post", "Method \"Customer.Post\": the name \"Post\"" + member},
        {Place::MethodDialog, "cityIsChanged",
         "Method \"Customer.cityIsChanged\": the name \"cityIsChanged\" is also the name of the change flag "
         "of property \"Customer.City\", letter case aside"},
        {Place::RenameBusObj, "Integer", "Business object \"Integer\": \"Integer\" is a word VB reserves!"},
        {Place::RenameBusObj, "_Order", "Business object \"_Order\": Name must begin with a letter!"},
        {Place::RenameProperty, "Loop", "Property \"Customer.Loop\": \"Loop\" is a word VB reserves!"},
        {Place::RenameProperty, "NameIsChanged",
         "Property \"Customer.NameIsChanged\": the name \"NameIsChanged\" is also the name of the change "
         "flag "
         "of property \"Customer.Name\", letter case aside"},
        {Place::RenameMethod, "Wend", "Method \"Customer.Wend\": \"Wend\" is a word VB reserves!"},
        {Place::RenameMethod, "Name",
         "Method \"Customer.Name\": the name \"Name\" is also the name of property \"Customer.Name\", letter "
         "case aside"},
        {Place::RenameMethod, "Search", "Method \"Customer.Search\": the name \"Search\"" + member},
        {Place::RenameProperty, "CITY", ""},  // its own names do not stand in its way
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const Lines tree = TreeKeys();
        const size_t prompts = mScript.Prompts().size();
        std::string after;
        switch (c.place) {
            case Place::BusObjDialog:
                after = Typed<builder::frmBusObjBuilder>(c.typed, [this] { mForm.mnuBusObjNew_Click(); });
                break;
            case Place::PropertyDialog:
                Select("Customer");
                after = Typed<builder::frmPropertyBuilder>(c.typed, [this] { mForm.mnuPropertyNew_Click(); });
                break;
            case Place::MethodDialog:
                Select("Customer");
                after = Typed<builder::frmMethodBuilder>(c.typed, [this] { mForm.mnuMethodNew_Click(); });
                break;
            case Place::RenameBusObj:
                after = Renamed("My_Order", c.typed);
                break;
            case Place::RenameProperty:
                after = Renamed("Customer.Properties.City", c.typed);
                break;
            case Place::RenameMethod:
                after = Renamed("Customer.Methods.Fetch", c.typed);
                break;
        }
        if (c.message.empty()) {
            EXPECT_EQ(after, "renamed");
            EXPECT_EQ(mScript.Prompts().size(), prompts);
            continue;
        }
        const bool isDialog = c.place <= Place::MethodDialog;
        EXPECT_EQ(after, isDialog ? "txtName" : "kept");
        EXPECT_EQ(TreeKeys(), tree);
        EXPECT_FALSE(mForm.IsDataChanged());
        ASSERT_EQ(mScript.Prompts().size(), prompts + 1);
        EXPECT_EQ(Messages().back(), c.message + " (10, Error)");
    }
}

}  // namespace
}  // namespace builder_test
