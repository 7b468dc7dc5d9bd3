// The business object and method dialogs through a scripted interaction: what OK makes, every refusal,
// and that nothing of a refused or cancelled entry reaches the model.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "builder/frmBusObjBuilder.h"
#include "builder/frmMethodBuilder.h"
#include "core/qelApplication.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusinessObject.h"
#include "core/qelTable.h"
#include "platform/ui/ScriptedInteraction.h"
#include "repository/ModelFiling.h"
#include "tests/builder/DialogRuns.h"

namespace builder {
namespace {

using builder_test::ModelText;
using builder_test::SalesModel;

using builder_test::Box;
using builder_test::ExpectOnlyBox;

struct BusObjRun {
    SalesModel model;
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed{script};
    frmBusObjBuilder form;
    std::vector<std::shared_ptr<core::qelBusinessObject>> added;
    bool refuse = false;

    BusObjRun() {
        form.SetApplication(model.application);
        form.OnBusinessObjectAdded([this](const std::shared_ptr<core::qelBusinessObject>& businessObject) {
            if (refuse) {
                form.DuplicateName(true);
                return;
            }
            repository::FileBusinessObject(*model.application, businessObject);
            added.push_back(businessObject);
        });
        form.Show();
    }
};

TEST(frmBusObjBuilder, OKMakesTheBusinessObjectFromTheTrimmedValidatedName) {
    const struct {
        const char* typed;
        const char* name;
    } cases[] = {{"  Shipment ", "Shipment"}, {"My Order", "My_Order"}};
    for (const auto& c : cases) {
        BusObjRun run;
        EXPECT_FALSE(run.form.cmdOKEnabled());
        run.form.txtName_Change(c.typed);
        EXPECT_TRUE(run.form.cmdOKEnabled());
        EXPECT_TRUE(run.form.cmdOKDefault());
        run.form.cmdOK_Click();
        ASSERT_EQ(run.added.size(), 1u) << c.typed;
        const auto& made = *run.added[0];
        const std::string n = c.name;
        EXPECT_EQ(run.form.NewBusinessObject(), run.added[0]);
        EXPECT_EQ(made.Name(), n);
        EXPECT_EQ(made.L1ClassName(), n + "UI");
        EXPECT_EQ(made.L2BusObjClass(), n);
        EXPECT_EQ(made.L2DisplayClass(), n + "Display");
        EXPECT_EQ(made.L2ListClass(), n + "List");
        EXPECT_EQ(made.L3BusObjClass(), n + "Persist");
        EXPECT_EQ(made.L3ListClass(), n + "ListPersist");
        EXPECT_EQ(made.Table()->Name(), n);
        EXPECT_EQ(made.Table()->BusinessObject(), run.added[0]);
        ASSERT_EQ(made.Methods()->Count(), 4);
        const char* methods[] = {"Add", "Update", "Read", "Delete"};
        for (int32_t i = 1; i <= 4; ++i) {
            const auto& method = *made.Methods()->Item(i);
            EXPECT_EQ(made.Methods()->KeyOf(i), n + ".Methods." + methods[i - 1]);
            EXPECT_EQ(method.Name(), methods[i - 1]);
            EXPECT_EQ(method.MethodType(), "Sub");
            EXPECT_EQ(method.ReturnDataType(), "None");
            EXPECT_FALSE(method.IsStoredProcedure());
            EXPECT_EQ(method.BusinessObjectName(), n);
        }
        EXPECT_FALSE(run.form.IsVisible());
        EXPECT_EQ(run.form.txtName.Text, "");
        EXPECT_TRUE(run.script.Prompts().empty());
        // Shown again, the dialog keeps OK enabled with the name cleared.
        run.form.Show();
        EXPECT_TRUE(run.form.cmdOKEnabled());
    }
}

TEST(frmBusObjBuilder, RefusedNamesKeepTheDialogOpenAndTheModelAsItWas) {
    const std::string duplicate =
        "A business object with the same name already \rexists for the Sales application.";
    const struct {
        const char* typed;
        std::string message;
    } cases[] = {
        {"1Order", "Name must begin with a letter!"},
        {"   ", "Name must begin with a letter!"},
        {"ABCDEFGHIJABCDEFGHIJABCDEFGHIJK", "Name too long!"},
        {"Order.Line", "There can be no puctuation in a name!"},
        {"customer", duplicate},
        {" order line ", duplicate},
    };
    for (const auto& c : cases) {
        BusObjRun run;
        repository::FileBusinessObject(*run.model.application, MakeBusinessObject("Order_Line"));
        const std::string before = ModelText(*run.model.application);
        run.form.txtName_Change(c.typed);
        run.form.cmdOK_Click();
        ExpectOnlyBox(run.script, {c.message, 10, "Error"});
        EXPECT_TRUE(run.form.IsVisible()) << c.typed;
        EXPECT_EQ(run.form.txtName.Text, c.typed);
        EXPECT_EQ(run.form.Focus(), "txtName");
        EXPECT_TRUE(run.added.empty());
        EXPECT_EQ(ModelText(*run.model.application), before);
    }
}

TEST(frmBusObjBuilder, EmptiedNameLeavesOKEnabledAndCancelAddsNothing) {
    BusObjRun run;
    // Refused by the main window, the dialog stays open with the name.
    run.refuse = true;
    run.form.txtName_Change("Shipment");
    run.form.cmdOK_Click();
    EXPECT_TRUE(run.form.IsVisible());
    EXPECT_EQ(run.form.txtName.Text, "Shipment");
    run.refuse = false;
    run.form.txtName_Change("Shipment");
    run.form.txtName_Change("");
    EXPECT_TRUE(run.form.cmdOKEnabled());
    run.form.txtName_Change("Shipment");
    run.form.cmdCancel_Click();
    EXPECT_FALSE(run.form.IsVisible());
    EXPECT_TRUE(run.added.empty());
    EXPECT_EQ(run.model.application->BusinessObjects()->Count(), 3);
    EXPECT_EQ(run.script.Prompts().size(), 0u);
}

struct MethodRun {
    SalesModel model;
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed{script};
    frmMethodBuilder form;
    std::vector<std::string> events;
    bool refuse = false;

    MethodRun() {
        const auto& order = model.order;
        for (const char* name : {"Add", "Update", "Read", "Delete", "Get_Total"}) {
            auto method = std::make_shared<core::qelBusObjMethod>();
            method->SetName(name);
            method->SetMethodType("Sub");
            method->SetReturnDataType("None");
            method->SetBusinessObjectName("Order");
            order->Methods()->Add(method, std::string("Order.Methods.") + name);
        }
        form.OnMethodAdded([this](const std::shared_ptr<core::qelBusObjMethod>& method) {
            events.push_back("added " + method->Name());
            if (refuse)
                form.DuplicateName(true);
            else
                repository::FileMethod(*model.application, method);
        });
        form.OnMethodUpdated([this](const std::shared_ptr<core::qelBusObjMethod>& method) {
            events.push_back("updated " + method->Name());
            if (refuse)
                form.DuplicateName(true);
        });
        Prepare();
    }
    void Prepare() {
        form.SetMethods(model.order->Methods());
        form.SetBusObjName("Order");
    }
    void Show() { form.Show(); }
    void Fill(const std::string& name, const char* type, const char* returnType, const std::string& spName) {
        form.txtName_Change(name);
        form.cmbType.SetText(type);
        form.cmbReturnDataType.SetText(returnType);
        form.chkIsStoredProcedure.Value = spName.empty() ? 0 : 1;
        form.txtSPName.Text = spName;
    }
};

TEST(frmMethodBuilder, LoadsWithItsDefaults) {
    MethodRun run;
    run.Show();
    EXPECT_EQ(run.form.Caption(), "Method Builder - Order Business Object");
    EXPECT_EQ(run.form.cmbType.Items, (std::vector<std::string>{"Function", "Sub"}));
    EXPECT_EQ(run.form.cmbReturnDataType.Items,
              (std::vector<std::string>{"None", "Boolean", "Currency", "Date", "Double", "Integer", "Long",
                                        "Object", "Single", "String", "Variant"}));
    EXPECT_EQ(run.form.cmbType.Text(), "Sub");
    EXPECT_EQ(run.form.cmbReturnDataType.Text(), "None");
    EXPECT_EQ(run.form.chkIsStoredProcedure.Value, 1);
    EXPECT_FALSE(run.form.cmdOKEnabled());
    run.form.txtName_Change("X");
    run.form.txtName_Change("");
    EXPECT_TRUE(run.form.cmdOKEnabled());
    EXPECT_EQ(run.form.txtNameHelpContext(), 55);
}

TEST(frmMethodBuilder, RefusalsWriteNothing) {
    const std::string duplicate =
        "A business object method with the same name already \rexists for the Order business object.";
    const struct {
        const char* name;
        const char* type;
        const char* returnType;
        const char* spName;
        Box box;
        const char* focus;
    } cases[] = {
        {"Total",
         "Function",
         "None",
         "",
         {"Functions return data so Return Data Type cannot equal None!", 64, "Information"},
         "cmbReturnDataType"},
        {"Total",
         "Sub",
         "None",
         "-",
         {"If the method is associated with a stored procedure then the stored procedure name must be "
          "entered!",
          64, "Information"},
         "txtSPName"},
        {"  ", "Sub", "None", "", {"The name must be filled in!", 64, "Information"}, "txtName"},
        {"2Total", "Sub", "None", "", {"Name must begin with a letter!", 10, "Error"}, "txtName"},
        {"add", "Sub", "None", "", {duplicate, 10, "Error"}, "txtName"},
        {"Get Total", "Function", "Long", "", {duplicate, 10, "Error"}, "txtName"},
    };
    for (const auto& c : cases) {
        MethodRun run;
        run.Show();
        const std::string before = ModelText(*run.model.application);
        run.Fill(c.name, c.type, c.returnType, c.spName);
        if (std::string(c.spName) == "-") {
            run.form.chkIsStoredProcedure.Value = 1;
            run.form.txtSPName.Text.clear();
        }
        run.form.cmdOK_Click();
        ExpectOnlyBox(run.script, c.box);
        EXPECT_EQ(run.form.Focus(), c.focus) << c.name;
        EXPECT_TRUE(run.form.IsLoaded());
        EXPECT_TRUE(run.events.empty());
        EXPECT_EQ(ModelText(*run.model.application), before);
    }
}

TEST(frmMethodBuilder, NewMethodIsReportedWithWhatWasEntered) {
    MethodRun run;
    run.Show();
    run.Fill("Ship Order", "Function", "Boolean", "spShipOrder");
    run.form.cmdOK_Click();
    EXPECT_EQ(run.events, (std::vector<std::string>{"added Ship_Order"}));
    const auto& method = *run.model.order->Methods()->Item("Order.Methods.Ship_Order");
    EXPECT_EQ(method.BusinessObjectName(), "Order");
    EXPECT_EQ(method.MethodType(), "Function");
    EXPECT_EQ(method.ReturnDataType(), "Boolean");
    EXPECT_TRUE(method.IsStoredProcedure());
    EXPECT_EQ(method.StoredProcedureName(), "spShipOrder");
    EXPECT_FALSE(run.form.IsLoaded());
    EXPECT_EQ(run.form.BusObjName(), "");

    // Without the stored procedure its name is stored empty.
    run.Prepare();
    run.Show();
    run.Fill("Cancel", "Sub", "None", "");
    run.form.txtSPName.Text = "spLeftOver";
    run.form.cmdOK_Click();
    const auto& plain = *run.model.order->Methods()->Item("Order.Methods.Cancel");
    EXPECT_FALSE(plain.IsStoredProcedure());
    EXPECT_EQ(plain.StoredProcedureName(), "");
}

TEST(frmMethodBuilder, EditingAStandardMethodChangesOnlyItsStoredProcedure) {
    MethodRun run;
    run.form.LoadExistingMethod("Order.Methods.Add");
    run.Show();
    EXPECT_FALSE(run.form.txtName.Enabled);
    EXPECT_FALSE(run.form.cmbType.Enabled);
    EXPECT_FALSE(run.form.cmbReturnDataType.Enabled);
    EXPECT_EQ(run.form.chkIsStoredProcedure.Value, 0);
    EXPECT_TRUE(run.form.cmdOKEnabled());
    run.form.chkIsStoredProcedure.Value = 1;
    run.form.txtSPName.Text = "spAddOrder";
    run.form.cmdOK_Click();
    EXPECT_EQ(run.events, (std::vector<std::string>{"updated Add"}));
    const auto& method = *run.model.order->Methods()->Item("Order.Methods.Add");
    EXPECT_TRUE(method.IsStoredProcedure());
    EXPECT_EQ(method.StoredProcedureName(), "spAddOrder");

    // Renamed to another method's name, an edited method is refused.
    run.Prepare();
    run.form.LoadExistingMethod("Order.Methods.Get_Total");
    EXPECT_TRUE(run.form.txtName.Enabled);
    run.form.txtName_Change("READ");
    run.form.cmdOK_Click();
    EXPECT_EQ(run.script.Prompts().back().title, "Error");
    EXPECT_EQ(run.model.order->Methods()->Item("Order.Methods.Get_Total")->Name(), "Get_Total");
}

TEST(frmMethodBuilder, AMethodTheMainWindowRefusesIsPutBack) {
    MethodRun run;
    run.form.LoadExistingMethod("Order.Methods.Get_Total");
    const std::string before = ModelText(*run.model.application);
    run.refuse = true;
    run.Fill("Grand Total", "Function", "Currency", "spTotal");
    run.form.cmdOK_Click();
    EXPECT_EQ(run.events, (std::vector<std::string>{"updated Grand_Total"}));
    EXPECT_EQ(ModelText(*run.model.application), before);
    EXPECT_TRUE(run.form.IsLoaded());
    EXPECT_EQ(run.form.Focus(), "txtName");
    // The refusal is used up: the next OK goes through.
    run.refuse = false;
    run.form.cmdOK_Click();
    EXPECT_EQ(run.model.order->Methods()->Item("Order.Methods.Get_Total")->Name(), "Grand_Total");
    EXPECT_FALSE(run.form.IsLoaded());
}

TEST(frmMethodBuilder, SubAlwaysEndsWithoutAReturnType) {
    const struct {
        const char* type;
        const char* returnType;
        bool typeLosesFocus;
        const char* typeAfter;
        const char* returnTypeAfter;
    } cases[] = {
        {"Function", "None", false, "Sub", "None"},
        {"Sub", "String", false, "Sub", "None"},
        {"Sub", "String", true, "Sub", "None"},
        {"Function", "String", false, "Function", "String"},
        {"Function", "String", true, "Function", "String"},
    };
    for (const auto& c : cases) {
        MethodRun run;
        run.Show();
        run.form.cmbType.SetText(c.type);
        run.form.cmbReturnDataType.SetText(c.returnType);
        if (c.typeLosesFocus)
            run.form.cmbType_LostFocus();
        else
            run.form.cmbReturnDataType_LostFocus();
        EXPECT_EQ(run.form.cmbType.Text(), c.typeAfter) << c.type << " " << c.returnType;
        EXPECT_EQ(run.form.cmbReturnDataType.Text(), c.returnTypeAfter);
    }
}

TEST(frmMethodBuilder, CancelReportsNothing) {
    MethodRun run;
    run.Show();
    const std::string before = ModelText(*run.model.application);
    run.Fill("Ship", "Sub", "None", "spShip");
    run.form.cmdCancel_Click();
    EXPECT_FALSE(run.form.IsLoaded());
    EXPECT_TRUE(run.events.empty());
    EXPECT_EQ(ModelText(*run.model.application), before);
    run.form.cmdHelp_Click();
    ASSERT_EQ(run.script.HelpShown().size(), 1u);
    EXPECT_EQ(run.script.HelpShown()[0].second, 133);
}

}  // namespace
}  // namespace builder
