// Members that tie the class to its single parent and to the business objects it contains.

#include "patterns/tier3/L2BusObjWriter.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"
#include "typelib/IField.h"

namespace tier3::l2busobj {
namespace {

// The parent's property that a key foreign property takes its value from, when the parent owns it.
std::shared_ptr<typelib::IProperty> ParentSuppliedKey(const typelib::IProperty& property,
                                                      const typelib::IBusinessObject& parent) {
    if (!property.IsKey() || !property.IsForeignProperty())
        return {};
    auto source = patternkit::Required(property.ForeignKeyField()).BusObjProperty();
    const auto& sourceProperty = patternkit::Required(source);
    if (vb::Trim(sourceProperty.BusinessObjectName()) != vb::Trim(parent.Name()))
        return {};
    return source;
}

void WriteParentMembers(Writer& w) {
    GeneratorContext& context = w.Context();
    const auto& parent = patternkit::Required(context.Current().parentBusObj);
    w.Emit(R"vb(
        |'PROPERTIES REFERRING TO THE PARENT BUSINESS OBJECT
        |Property Set &ParentBusObjName (ByVal obj&ParentBusObjName As &ParentBusObjName)
        |    Set my&ParentBusObjName = obj&ParentBusObjName
        |'Use the reference to obtain property values that are foriegn keys provided by parent
    )vb");
    w.ForEachProperty([&](const typelib::IProperty& property) {
        const auto source = ParentSuppliedKey(property, parent);
        if (!source)
            return;
        w.Emit(R"vb(
            |    mudtProps.&PropName = my&ParentBusObjName.{{ParentProperty}}
            |    mcolBusinessRules.Remove "&PropNameIsValid" ¶
            |    mcolBusinessRules.Add True, "&PropNameIsValid" ¶
        )vb",
               {{"ParentProperty", source->Name()}});
    });
    w.Emit(R"vb(
        |End Property
        |
        |Property Get &ParentBusObjName () As &ParentBusObjName
        |    Set &ParentBusObjName = my&ParentBusObjName
        |End Property
        |Property Let &ParentBusObjNameObjId (ByVal ObjectID As String)
        |    mstr&ParentBusObjName = ObjectID
        |End Property
        |
    )vb");
}

void WriteChildMembers(Writer& w, const typelib::IBusinessObject& child) {
    const std::string dbid = vb::Str(child.DBID());
    w.Emit(R"vb(
        |Property Get &ChildBusObjName (ByVal Id As String) As &ChildBusObjName
        |
        |   On Error GoTo HandleError
        |
        |   If mcol&ChildBusObjNameObjs Is Nothing Then
        |       Set mcol&ChildBusObjNameObjs = New Collection
        |   End If
        |
        |   'Return the contained business object with this Id; when it is not
        |   'in the collection yet, it is created below.
        |   On Error GoTo ChildBusinessObjectNotFound
        |   Set &ChildBusObjName = mcol&ChildBusObjNameObjs.Item(Id)
        |
        |PropertyExit:
        |'Cleanup after error
        |
        |    Exit Property
        |
    )vb");
    w.ErrorHandler("PropertyGet_" + child.Name(), "PropertyGet_" + dbid, "PropertyExit");
    w.Emit(R"vb(
        |
        |ChildBusinessObjectNotFound:
        |    On Error GoTo HandleError
        |    'Create the contained business object and keep it in the collection
        |    Set my&ChildBusObjName = New &ChildBusObjName
        |    mcol&ChildBusObjNameObjs.Add my&ChildBusObjName, Id
        |    Set &ChildBusObjName = my&ChildBusObjName
        |    'The contained business object knows its container
        |    'and the container's object id.
        |    Set my&ChildBusObjName.&BusObjName = Me
        |    my&ChildBusObjName.&BusObjNameObjId = mudtProps.ObjectId
        |    GoTo PropertyExit
        |
        |End Property
        |
        |Property Get &ChildBusObjNameList() As &ChildBusObjNameList
        |    On Error GoTo HandleError
        |
        |    If my&ChildBusObjNameList Is Nothing Then
        |       Set my&ChildBusObjNameList = New &ChildBusObjNameList
        |       my&ChildBusObjNameList.&BusObjNameObjId = mudtProps.ObjectID
        |       Set my&ChildBusObjNameList.&BusObjName = Me
        |       Set &ChildBusObjNameList = my&ChildBusObjNameList
        |    Else
        |        Set &ChildBusObjNameList = my&ChildBusObjNameList
        |    End If
        |
        |PropertyExit:
        |'Cleanup after error
        |
        |    Exit Property
    )vb");
    w.ErrorHandler("PropertyGet_" + child.Name() + "List", "PropertyGet_" + dbid + "List", "PropertyExit");
    w.Emit(R"vb(
        |
        |End Property
        |
        |Private Sub my&ChildBusObjName_BusinessRuleChange(ByVal ObjName As String)
        |'Handles the BusinessRuleChange event of the contained &ChildBusObjName.
        |
        |'A change in the contained business object can change the business
        |'rules of the container: the container raises its own event with the
        |'name of the contained business object.
        |    RaiseEvent BusinessRuleChange("&ChildBusObjName") ¶
        |End Sub
        |Private Sub my&ChildBusObjName_PropertyRestrictionChanged(ByVal strPropName As String)
        |'Handles the PropertyRestrictionChanged event of the contained business object
        |'and passes the strPropName that is of the form: &ChildBusObjName.PropertyName.
        |    RaiseEvent PropertyRestrictionChanged("&ChildBusObjName." & strPropName)
        |End Sub
    )vb");
}

}  // namespace

void WriteRelationshipMembers(Writer& w) {
    if (w.Context().HasOneParent())
        WriteParentMembers(w);
    if (!w.Context().Children().empty()) {
        w.EmitLine("'PROPERTIES EXPOSING CONTAINED BUSINESS OBJECTS");
        w.ForEachChild([&](const typelib::IBusinessObject& child) { WriteChildMembers(w, child); });
    }
    w.Emit(R"vb(
        |'PROPERTIES OF THE &BusObjName BUSINESS OBJECT
        |
    )vb");
}

}  // namespace tier3::l2busobj
