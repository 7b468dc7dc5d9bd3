// The virtual property picker: the rows it offers, and Next filing each chosen property through the
// property dialog.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/frmPropertyBuilder.h"
#include "builder/frmSelectVirtProperty.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "tests/builder/DialogRuns.h"

namespace builder {
namespace {

using builder_test::PropertyDialogRun;

struct PickerRun : PropertyDialogRun {
    frmSelectVirtProperty picker{form};

    void ShowPicker() {
        picker.SetBusinessObject(model.order);
        picker.SetApplication(model.application);
        picker.Show();
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (const auto& row : picker.lstCandidates())
            rows.push_back(row.key + "|" + row.text + "|" + row.propertyName);
        return rows;
    }
};

TEST(frmSelectVirtProperty, OffersTheUnmappedPlainPropertiesOfToOneReferences) {
    PickerRun run;
    // Customer gets a virtual property, and a property whose field Order already holds as its own.
    const auto phone = builder_test::AddProperty(run.model.customer, "Phone", "String");
    phone->SetIsVirtual(true);
    const auto fax = builder_test::AddProperty(run.model.customer, "Fax", "String");
    const auto mirror = builder_test::AddProperty(run.model.order, "CustomerFax", "String");
    mirror->Field()->SetName("Fax");
    mirror->Field()->SetTable(run.model.customer->Table());
    run.ShowPicker();
    EXPECT_EQ(run.picker.lblInstructions(),
              "Select one or more properties to become virtual properties of Order");
    // Keys, virtual and mapped properties are left out; the to-many OrderLine adds nothing.
    EXPECT_EQ(run.Rows(),
              (std::vector<std::string>{"Customer.Name|Customer|Name", "Customer.Region||Region"}));
    EXPECT_EQ(run.script.DialogsShown(), (std::vector<std::string>{"frmSelectVirtProperty"}));

    // Without to-one references the list is empty.
    run.picker.SetBusinessObject(run.model.customer);
    run.picker.Show();
    EXPECT_TRUE(run.picker.lstCandidates().empty());
}

TEST(frmSelectVirtProperty, NextFilesEachChosenPropertyThroughThePropertyDialog) {
    PickerRun run;
    run.ShowPicker();
    run.picker.SelectRow(0, true);
    run.picker.SelectRow(1, true);
    std::vector<std::string> shown;
    for (int i = 0; i < 2; ++i) {
        run.script.AnswerDialog([&shown](ui::ModalDialog& dialog) {
            auto& form = dynamic_cast<frmPropertyBuilder&>(dialog);
            shown.push_back(form.txtName.Text + "|" + form.cmbMandatory.Text() + "|" +
                            form.cmbPrimaryKey.Text() + "|" + form.cmbDataType.Text() + "|" +
                            form.txtLength.Text + "|" + form.txtLabel.Text);
            form.cmdOK_Click();
        });
    }
    run.picker.cmdNext_Click();
    // The association is optional: the properties are not mandatory.
    EXPECT_EQ(shown, (std::vector<std::string>{"Customer_Name|No|No|String|50|Name:",
                                               "Customer_Region|No|No|String|50|Region:"}));
    EXPECT_FALSE(run.picker.IsVisible());
    EXPECT_EQ(run.events, (std::vector<std::string>{"added Customer_Name", "added Customer_Region"}));
    const auto region = run.model.Property(run.model.order, "Customer_Region");
    EXPECT_FALSE(region->IsVirtual());
    EXPECT_FALSE(region->IsMandatory());
    EXPECT_TRUE(region->IsPVList());
    EXPECT_EQ(std::vector<std::string>(region->PermittedValues()->begin(), region->PermittedValues()->end()),
              (std::vector<std::string>{"North", "South"}));
    EXPECT_EQ(region->Field()->Name(), "Customer_Region");
    EXPECT_EQ(region->Field()->Table(), run.model.order->Table());
}

TEST(frmSelectVirtProperty, ARequiredReferenceAndATableModeSource) {
    PickerRun run;
    run.model.order->SourceAssociations()->Item(1)->SetIsOptional(false);
    const auto name = run.model.Property(run.model.customer, "Name");
    name->SetIsPVTable(true);
    run.ShowPicker();
    run.picker.SelectRow(0, true);
    run.script.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& form = dynamic_cast<frmPropertyBuilder&>(dialog);
        EXPECT_EQ(form.cmbMandatory.Text(), "Yes");
        EXPECT_EQ(form.SelectedOption(), frmPropertyBuilder::pvNone);
        EXPECT_FALSE(form.lblPV.Visible);
        form.cmdCancel_Click();
    });
    run.picker.cmdNext_Click();
    EXPECT_TRUE(run.events.empty());
    run.picker.cmdCancel_Click();
    EXPECT_FALSE(run.picker.IsVisible());
}

}  // namespace
}  // namespace builder
