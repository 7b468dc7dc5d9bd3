#include "tests/repository/TestModels.h"

#include <sstream>

namespace repository_test {

namespace {

template <typename Collection>
std::string Key(const Collection& collection, int32_t index) {
    return "[" + collection.KeyOf(index) + "]";
}

std::string Name(const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    return businessObject ? businessObject->Name() : "(none)";
}

std::string FieldOwner(const std::shared_ptr<core::qelField>& field) {
    const auto owner = field ? field->BusObjProperty() : nullptr;
    return owner ? owner->BusinessObjectName() + "." + owner->Name() : "(none)";
}

void DescribeProperty(std::ostream& out, const core::qelBusObjProperty& p) {
    out << "  property " << p.Name() << " of " << p.BusinessObjectName() << " #" << p.DBID() << " "
        << p.DataType() << "(" << p.Length() << ") " << p.Access() << " label=" << p.Label()
        << " control=" << p.ControlType() << " key=" << p.IsKey() << "/" << p.KeyIndex()
        << " mandatory=" << p.IsMandatory() << " unique=" << p.IsUnique() << " virtual=" << p.IsVirtual()
        << "\n";
    out << "   pv list=" << p.IsPVList() << " table=" << p.IsPVTable() << ":" << p.PVTableClass()
        << " range=" << p.IsPVRange() << ":" << p.LowerBound() << ".." << p.UpperBound()
        << " fkey=" << p.IsPVFKey();
    const auto displayed = p.PVFKeyDisplayedProp();
    out << " shows=" << (displayed ? displayed->BusinessObjectName() + "." + displayed->Name() : "(none)")
        << "\n";
    const auto& values = *p.PermittedValues();
    for (int32_t i = 1; i <= values.Count(); ++i)
        out << "   value " << values.Item(i) << " " << Key(values, i) << "\n";
    const auto& field = *p.Field();
    const auto table = field.Table();
    out << "   field " << field.Name() << " #" << field.DBID() << " " << field.DataType() << "("
        << field.Length() << ") pk=" << field.IsPrimaryKey() << " null=" << field.IsNullable()
        << " fk=" << field.IsForeignKey() << " table=" << (table ? table->Name() : "(none)")
        << " owner=" << FieldOwner(p.Field()) << "\n";
    out << "   foreign=" << p.IsForeignProperty() << " refers to " << FieldOwner(p.ForeignKeyField()) << "\n";
}

void DescribeBusinessObject(std::ostream& out, const core::qelBusinessObject& bo) {
    out << "business object " << bo.Name() << " #" << bo.DBID() << " " << bo.L1ClassName() << " "
        << bo.L2BusObjClass() << " " << bo.L2DisplayClass() << " " << bo.L2ListClass() << " "
        << bo.L3BusObjClass() << " " << bo.L3ListClass() << "\n";
    const auto& table = *bo.Table();
    out << " table " << table.Name() << " #" << table.DBID() << " of " << Name(table.BusinessObject())
        << "\n";
    for (int32_t i = 1; i <= table.Fields()->Count(); ++i)
        out << "  field " << table.Fields()->Item(i)->Name() << " " << Key(*table.Fields(), i) << "\n";
    const auto& properties = *bo.Properties();
    for (int32_t i = 1; i <= properties.Count(); ++i) {
        out << " " << Key(properties, i) << "\n";
        DescribeProperty(out, *properties.Item(i));
    }
    const auto& keys = *bo.KeyProperties();
    for (int32_t i = 1; i <= keys.Count(); ++i)
        out << " key " << keys.Item(i)->Name() << " " << Key(keys, i) << "\n";
    const auto& methods = *bo.Methods();
    for (int32_t i = 1; i <= methods.Count(); ++i) {
        const auto& m = *methods.Item(i);
        out << " method " << m.Name() << " " << Key(methods, i) << " #" << m.DBID() << " of "
            << m.BusinessObjectName() << " " << m.MethodType() << " " << m.ReturnDataType()
            << " sp=" << m.IsStoredProcedure() << ":" << m.StoredProcedureName() << "\n";
    }
    for (const auto* list : {bo.SourceAssociations().get(), bo.TargetAssociations().get()}) {
        out << (list == bo.SourceAssociations().get() ? " source" : " target") << " associations";
        for (int32_t i = 1; i <= list->Count(); ++i)
            out << " " << list->Item(i)->Description() << Key(*list, i);
        out << "\n";
    }
}

}  // namespace

std::string DescribeModel(const core::qelApplication& application) {
    std::ostringstream out;
    out << "application " << application.Name() << " #" << application.DBID() << " "
        << application.Description() << " dsn=" << application.DSN() << " local=" << application.LocalDBName()
        << " " << application.L1ProjectName() << " " << application.L2ProjectName() << " "
        << application.L3ProjectName() << " " << application.DBType() << " " << application.Architecture()
        << "\n";
    const auto& businessObjects = *application.BusinessObjects();
    for (int32_t i = 1; i <= businessObjects.Count(); ++i) {
        out << Key(businessObjects, i) << " ";
        DescribeBusinessObject(out, *businessObjects.Item(i));
    }
    const auto& relationships = *application.Relationships();
    for (int32_t i = 1; i <= relationships.Count(); ++i) {
        const auto& r = *relationships.Item(i);
        out << "relationship " << r.Name() << " " << Key(relationships, i) << " #" << r.DBID() << " "
            << r.RelType() << "\n";
        const auto& associations = *r.Associations();
        for (int32_t j = 1; j <= associations.Count(); ++j) {
            const auto& a = *associations.Item(j);
            const auto owner = a.Relationship();
            out << " association " << Key(associations, j) << " #" << a.DBID() << " "
                << Name(a.SourceBusObj()) << " -> " << Name(a.TargetBusObj()) << " " << a.Cardinality()
                << " optional=" << a.IsOptional() << " " << a.Description() << " of "
                << (owner ? owner->Name() : "(none)") << "\n";
            for (const auto& foreign : *a.SourceForeignProperties())
                out << "  foreign " << foreign->BusinessObjectName() << "." << foreign->Name() << "\n";
        }
    }
    return out.str();
}

}  // namespace repository_test
