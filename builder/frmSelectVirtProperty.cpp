#include "builder/frmSelectVirtProperty.h"

#include "builder/frmPropertyBuilder.h"
#include "core/ObjectAccess.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"

namespace builder {
namespace {

std::string TableName(const core::qelField& field) {
    const auto table = field.Table();
    return table ? table->Name() : "";
}

}  // namespace

bool frmSelectVirtProperty::IsMapped(const core::qelBusObjProperty& candidate) const {
    const auto& field = candidate.Field();
    if (!field || field->Name().empty())
        return false;
    for (const auto& property : *mBusinessObject->Properties()) {
        const auto& own = property->Field();
        if (own && own->Name() == field->Name() && TableName(*own) == TableName(*field))
            return true;
    }
    return false;
}

void frmSelectVirtProperty::Form_Load() {
    mRows.clear();
    mAssociations.Clear();
    for (const auto& association : *mBusinessObject->SourceAssociations()) {
        if (association->Cardinality() != "One")
            continue;
        const auto& referenced = core::Required(association->TargetBusObj());
        int counter = 0;
        for (const auto& candidate : *referenced.Properties()) {
            const std::string key = referenced.Name() + "." + candidate->Name();
            if (candidate->IsVirtual() || candidate->IsKey() || IsMapped(*candidate) ||
                mAssociations.Exists(key))
                continue;
            ++counter;
            mRows.push_back({key, counter == 1 ? referenced.Name() : "", candidate->Name()});
            mAssociations.Add(association, key);
        }
    }
    mInstructions =
        "Select one or more properties to become virtual properties of " + mBusinessObject->Name();
}

void frmSelectVirtProperty::Show() {
    try {
        Form_Load();
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "Form_Load");
        return;
    }
    mVisible = true;
    ui::CurrentInteraction().ShowModal(*this);
}

void frmSelectVirtProperty::SelectRow(size_t row, bool selected) {
    if (row < mRows.size())
        mRows[row].selected = selected;
}

void frmSelectVirtProperty::cmdNext_Click() {
    try {
        for (const Row& row : mRows) {
            if (!row.selected)
                continue;
            const auto& association = mAssociations.Item(row.key);
            const auto& referenced = core::Required(association->TargetBusObj());
            const auto& candidate =
                referenced.Properties()->Item(referenced.Name() + ".Properties." + row.propertyName);
            mPropertyForm.SetBusObj(mBusinessObject);
            mPropertyForm.SetProperties(mBusinessObject->Properties());
            mPropertyForm.SetApplication(mApplication);
            mPropertyForm.LoadVirtualProperty(referenced.Name(), *candidate, association->IsOptional());
            mPropertyForm.Show();
        }
        mVisible = false;
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "cmdNext_Click");
    }
}

}  // namespace builder
