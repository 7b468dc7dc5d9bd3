#include "formlayout/DetailRows.h"

#include <string>

#include "platform/vb/Object.h"
#include "platform/vb/Text.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IField.h"
#include "typelib/IRelationship.h"
#include "typelib/ITable.h"

namespace formlayout {

using vb::Required;

bool IsDetailProperty(const typelib::IProperty& property) {
    if (property.DataType() == "OLE Object")
        return false;
    if (!property.IsForeignProperty())
        return true;
    // A foreign property that no association names is kept: only a known identifying parent's key is
    // left to the parent's own form.
    const auto association = GetForeignAssociation(property);
    return !association || Required(association->Relationship()).RelType() != "Identifying";
}

const FormControl* DetailFormControl(const typelib::IProperty& property) {
    return IsDetailProperty(property) ? ControlOf(property) : nullptr;
}

bool IsOptionGroup(const typelib::IProperty& property) {
    const FormControl* control = DetailFormControl(property);
    return control && control->row == RowKind::OptionGroup;
}

bool IsSearchProperty(const typelib::IProperty& property) {
    const std::string dataType = property.DataType();
    return dataType != "Memo" && dataType != "OLE Object" && !property.IsVirtual() &&
           !(property.IsForeignProperty() && property.IsKey());
}

std::shared_ptr<typelib::IAssociation> GetForeignAssociation(const typelib::IProperty& property) {
    if (!property.IsForeignProperty())
        return {};
    const auto& owner = Required(Required(Required(property.Field()).Table()).BusinessObject());
    const std::string name = vb::Trim(property.Name());
    for (const auto& association : Required(owner.SourceAssociations())) {
        const auto foreignProperties = Required(association).SourceForeignProperties();
        if (!foreignProperties)
            continue;
        for (const auto& foreign : *foreignProperties) {
            if (vb::Trim(Required(foreign).Name()) == name)
                return association;
        }
    }
    return {};
}

}  // namespace formlayout
