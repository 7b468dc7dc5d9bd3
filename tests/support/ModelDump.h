#pragma once
// A compact text picture of an imported model to compare with expected text written by hand: one line a
// business object, a property or an association end. Values every import gives (access "Read/Write",
// control "TextBox", code table "qelCodeTable", the six class names and four methods of the name, flags
// False) are written only when they differ. DBIDs are left out.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"

namespace testing_support {

inline std::string OwnerOf(const std::shared_ptr<core::qelField>& field) {
    const auto property = field ? field->BusObjProperty() : nullptr;
    return property ? property->BusinessObjectName() + "." + property->Name() : "";
}

inline void DumpProperty(std::ostream& out, const core::qelBusinessObject& bo, const std::string& key,
                         const core::qelBusObjProperty& p) {
    const auto& f = *p.Field();
    out << "  " << p.Name() << " " << p.DataType() << "(" << p.Length() << ") \"" << p.Label() << "\"";
    if (key != bo.Name() + ".Properties." + p.Name())
        out << " filed=" << key;
    if (p.BusinessObjectName() != bo.Name())
        out << " of=" << p.BusinessObjectName();
    if (f.Name() + ":" != p.Label())
        out << " field=" << f.Name();
    if (f.DataType() != p.DataType() || f.Length() != p.Length() || !f.Table() || f.Table() != bo.Table() ||
        f.BusObjProperty().get() != &p || bo.Table()->FieldNamed(f.Name()).get() != &f)
        out << " BADFIELD";
    if (p.IsKey())
        out << " key" << p.KeyIndex();
    else if (p.KeyIndex() != 0)
        out << " index" << p.KeyIndex();
    if (p.IsMandatory())
        out << " mandatory";
    if (f.IsNullable())
        out << " null";
    if (f.IsPrimaryKey())
        out << " pk";
    if (f.IsForeignKey())
        out << " fk";
    if (p.IsForeignProperty())
        out << " foreign";
    if (p.ForeignKeyField() && !p.ForeignKeyField()->Name().empty())
        out << " ->" << OwnerOf(p.ForeignKeyField());
    if (p.Access() != "Read/Write" || p.ControlType() != "TextBox" || p.PVTableClass() != "qelCodeTable")
        out << " " << p.Access() << "/" << p.ControlType() << "/" << p.PVTableClass();
    if (p.IsUnique() || p.IsPVList() || p.IsPVTable() || p.IsPVRange() || p.IsPVFKey() || p.IsVirtual())
        out << " OTHERFLAGS";
    out << "\n";
}

inline void DumpBusinessObject(std::ostream& out, const std::string& key, const core::qelBusinessObject& bo) {
    const std::string& n = bo.Name();
    out << n;
    if (key != n)
        out << " filed=" << key;
    out << " table=" << bo.Table()->Name();
    if (bo.Table()->BusinessObject().get() != &bo)
        out << " UNLINKED";
    if (bo.L1ClassName() != n + "UI" || bo.L2BusObjClass() != n || bo.L2DisplayClass() != n + "Display" ||
        bo.L2ListClass() != n + "List" || bo.L3BusObjClass() != n + "Persist" ||
        bo.L3ListClass() != n + "ListPersist")
        out << " CLASSES";
    const auto& methods = *bo.Methods();
    std::string shown;
    for (int32_t i = 1; i <= methods.Count(); ++i) {
        const auto& m = *methods.Item(i);
        shown +=
            m.Name() + (methods.KeyOf(i) == n + ".Methods." + m.Name() ? "" : "!key") +
            (m.BusinessObjectName() == n ? "" : "!of") +
            (m.MethodType() == "Sub" && m.ReturnDataType() == "None" && !m.IsStoredProcedure() ? ""
                                                                                               : "!sig") +
            " ";
    }
    if (shown != "Add Update Read Delete ")
        out << " methods=" << shown;
    out << "\n";
    const auto& properties = *bo.Properties();
    for (int32_t i = 1; i <= properties.Count(); ++i)
        DumpProperty(out, bo, properties.KeyOf(i), *properties.Item(i));
    if (bo.Table()->Fields()->Count() != properties.Count())
        out << "  FIELDS " << bo.Table()->Fields()->Count() << "\n";
    const auto& keys = *bo.KeyProperties();
    if (keys.Count() > 0) {
        out << "  keys";
        for (int32_t i = 1; i <= keys.Count(); ++i)
            out << " " << keys.KeyOf(i) << (keys.Item(i)->KeyIndex() == i ? "" : "!");
        out << "\n";
    }
    for (const auto* list : {bo.SourceAssociations().get(), bo.TargetAssociations().get()}) {
        if (list->Count() == 0)
            continue;
        out << (list == bo.SourceAssociations().get() ? "  sources" : "  targets");
        for (int32_t i = 1; i <= list->Count(); ++i)
            out << " " << list->KeyOf(i);
        out << "\n";
    }
}

inline std::string DumpModel(const core::qelApplication& application) {
    std::ostringstream out;
    const auto& businessObjects = *application.BusinessObjects();
    for (int32_t i = 1; i <= businessObjects.Count(); ++i)
        DumpBusinessObject(out, businessObjects.KeyOf(i), *businessObjects.Item(i));
    const auto& relationships = *application.Relationships();
    for (int32_t i = 1; i <= relationships.Count(); ++i) {
        const auto& r = *relationships.Item(i);
        out << r.Name() << (relationships.KeyOf(i) == r.Name() ? "" : " FILED") << " " << r.RelType() << "\n";
        const auto& ends = *r.Associations();
        for (int32_t j = 1; j <= ends.Count(); ++j) {
            const auto& a = *ends.Item(j);
            const auto source = a.SourceBusObj();
            const auto target = a.TargetBusObj();
            out << "  " << ends.KeyOf(j) << ": " << (source ? source->Name() : "") << " -> "
                << (target ? target->Name() : "") << " " << a.Cardinality()
                << (a.IsOptional() ? " optional " : " required ") << a.Description();
            if (a.Relationship().get() != &r)
                out << " ORPHAN";
            for (const auto& foreign : *a.SourceForeignProperties())
                out << " +" << foreign->Name();
            out << "\n";
        }
    }
    return out.str();
}

// Each business object as "name(table): property[=field][*: key][+: foreign key][~: Read Only] Type(length)".
inline std::vector<std::string> Shape(const core::qelApplication& application) {
    std::vector<std::string> lines;
    for (const auto& businessObject : *application.BusinessObjects()) {
        lines.push_back(businessObject->Name() + "(" + businessObject->Table()->Name() + "):");
        for (const auto& p : *businessObject->Properties()) {
            const std::string& field = p->Field()->Name();
            lines.back() += " " + p->Name() + (field == p->Name() ? "" : "=" + field) +
                            (p->IsKey() ? "*" : "") + (p->IsForeignProperty() ? "+" : "") +
                            (p->Access() == "Read Only" ? "~" : "") + " " + p->DataType() + "(" +
                            std::to_string(p->Length()) + ")";
        }
    }
    return lines;
}

// Every relationship as "parent -> child RelType always|sometimes", sorted.
inline std::vector<std::string> Relationships(const core::qelApplication& application) {
    std::vector<std::string> lines;
    for (const auto& relationship : *application.Relationships()) {
        const auto& toParent = relationship->Associations()->Item(2);
        lines.push_back(toParent->TargetBusObj()->Name() + " -> " + toParent->SourceBusObj()->Name() + " " +
                        relationship->RelType() + (toParent->IsOptional() ? " sometimes" : " always"));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace testing_support
