// The head of the layer-2 class: constants, error codes, module variables and events.

#include "patternkit/CodeHeader.h"
#include "patterns/tier3/L2BusObjWriter.h"
#include "platform/vb/Numbers.h"

namespace tier3::l2busobj {
namespace {

void WriteErrorEnumeration(Writer& w) {
    w.Emit(R"vb(
        |'General validation error codes are constants of a common module.
        |'This enumeration holds the error codes of the properties of this
        |'business object.
        |
        |'Error codes specific to &BusObjName
        |Public Enum vbo_ec_&BusObjName_Enum
    )vb");
    int32_t k = 0;
    w.ForEachProperty([&](const typelib::IProperty&) {
        ++k;
        w.Emit("|   &BusObjName_Invalid_&PropName = {{Code}}0", {{"Code", vb::Str(k + 1)}});
    });
    w.Emit(R"vb(
        |
        |'||| Add an error code for each additional business rule.
    )vb");
    w.EditPoint("Error Constants");
    w.Emit(R"vb(
        |End Enum
        |
    )vb");
}

// A permitted-value list with no items cannot be declared with a size under Option Base 1: it is
// declared as a dynamic array instead.
void WritePermittedValueLists(Writer& w) {
    w.ForEachProperty([&](const typelib::IProperty& property) {
        if (!property.IsPVList())
            return;
        const auto values = property.PermittedValues();
        const int32_t count = values ? values->Count() : 0;
        w.Emit(R"vb(
            |'The permitted values of &PropName form a small list that is
            |'kept in a variant array; the user interface offers them for
            |'selection and the business object checks a value against them.
            |'
            |Private mvnt&PropNamePV({{Size}}) As Variant
        )vb",
               {{"Size", count > 0 ? vb::Str(count) : std::string()}});
    });
    w.EmitLine("");
}

void WriteLongTextVariables(Writer& w) {
    bool anyMemo = false;
    w.ForEachProperty([&](const typelib::IProperty& property) {
        if (property.DataType() != "Memo")
            return;
        if (!anyMemo) {
            w.Emit(R"vb(
                |'Memo text has a varying length and cannot be kept in the UDT.
                |'It is kept in a variable-length string of its own, and
                |'&BusObjNamePersist has separate functions to read and update it.
                |'
            )vb");
            anyMemo = true;
        }
        w.Emit(R"vb(
            |Private mstr&PropNameVarString As String
            |Private mbln&PropNameIsLoaded As Boolean     'Flag enables read-on-demand
            |Private mstr&PropNameSave As String          'Holds previous value
        )vb");
    });
    bool anyOle = false;
    w.ForEachProperty([&](const typelib::IProperty& property) {
        if (property.DataType() != "OLE Object")
            return;
        if (!anyOle) {
            w.Emit(R"vb(
                |'OLE Object values have a varying length and are kept outside the UDT,
                |'read and updated by separate functions of &BusObjNamePersist.
                |'
            )vb");
            anyOle = true;
        }
        w.Emit(R"vb(
            |Private mstr&PropNameOLE_Object As String
            |Private mbln&PropNameIsLoaded As Boolean     'Flag enables read-on-demand
            |Private mstr&PropNameSave As String          'Holds previous value
        )vb");
    });
}

void WriteRelatedObjectVariables(Writer& w) {
    GeneratorContext& context = w.Context();
    for (const auto& reference : context.References()) {
        context.Current().referenceBusObj = reference;
        w.Emit(R"vb(
            |'&ReferenceBusObjNameList object required to validate foreign keys and virtual properties.
            |Private my&ReferenceBusObjNameList As &ReferenceBusObjNameList
        )vb");
    }
    w.EmitLine("");
    if (!context.Children().empty()) {
        w.Emit(R"vb(
            |'CONTAINED (CHILD) Business Objects'
            |'&BusObjName contains (or is the parent of) the following business objects.
            |
        )vb");
        w.ForEachChild([&](const typelib::IBusinessObject&) {
            w.Emit(R"vb(
                |'Contained &ChildBusObjName business objects are maintained by &BusObjName in this collection.
                |Private mcol&ChildBusObjNameObjs As Collection
                |Private WithEvents my&ChildBusObjName As &ChildBusObjName
                |Private my&ChildBusObjNameList As &ChildBusObjNameList
                |
            )vb");
        });
    }
    if (context.HasOneParent()) {
        w.Emit(R"vb(
            |'Reference to the &ParentBusObjName that contains this &BusObjName.
            |Private my&ParentBusObjName As &ParentBusObjName
            |'Object ID of the &ParentBusObjName.
            |Private mstr&ParentBusObjName As String
            |'&ParentBusObjNameList object required to validate the foreign keys
            |'that the &ParentBusObjName provides.
            |Private my&ParentBusObjNameList As &ParentBusObjNameList
            |
        )vb");
    }
}

}  // namespace

void WriteDeclarations(Writer& w) {
    patternkit::Common::WriteCodeHeader(w.Engine());
    w.Emit(R"vb(
        |'*************************************************
        |'Layer 2: UI - &BusObjName Business Object
        |'*************************************************
        |'
        |'Standard business operations supported by this business object:
        |'   Add         Creates a new &BusObjName
        |'   Delete      Permanently removes a &BusObjName from the database
        |'   Read        Loads values of a &BusObjName from the database
        |'   Update      Makes changes to a &BusObjName
        |'
        |
        |Option Explicit
        |Option Base 1
        |
        |'The name of the business object is used in error messages
        |'and is passed to the security object.
        |Private Const mstrBusinessObjName As String = "&BusObjName"
        |
        |'An error number is the base error number of the business object
        |'plus the number of the specific error.
        |'Each business object has its own range of error numbers.
        |'
        |'Example:  EmployeeErrBase = 1000 (Employee business object errors start at 1000
        |'          Employee_Invalid_Salary = 20
        |'          The error raised is 1000 + 20 = 1020
        |'
        |
        |Private Const mlng&BusObjNameBaseErrNumber As Long = &BusObjBaseErrorNumber
        |
    )vb");
    WriteErrorEnumeration(w);
    w.Emit(R"vb(
        |'Variables to hold error number, description, and source
        |Private mlngErrNumber As Long
        |Private mstrErrDescription As String
        |Private mstrErrSource As String
        |
        |'One item per property: True when a value is required
        |Private mcolPropMandatory As Collection
        |
        |'One item per method: True when the user may run it
        |Private mcolMethodIsExecutable As Collection
        |
        |'The property values of the business object
        |Private mudtProps As &BusObjNameProps
        |
        |'The property values of the last Save; Reset restores them
        |Private mudtSave As &BusObjNameProps
        |
        |'True until the business object is added or read
        |Private mblnNew As Boolean
        |
        |'True after the business object is deleted
        |Private mblnDeleted As Boolean
        |
        |'True when a property value has changed
        |Private mblnChanged As Boolean
        |
        |'Set by every business rule function
        |Private mlngErrorCode As vbo_ec_&BusObjName_Enum
        |
        |'The following variables are never assigned.
        |'They stand for missing values and are returned
        |'in place of values that the user may not see.
        |'
        |Private mintDefaultNumeric As Integer      'Used for all numeric data types
        |Private mdtmDefaultDate As Date
        |Private mstrDefaultString As String
        |Private mblnDefaultBoolean As Boolean
        |
    )vb");
    WritePermittedValueLists(w);
    bool anyCodeTable = false;
    for (const auto& property : w.Context().Properties())
        anyCodeTable = anyCodeTable || patternkit::Required(property).IsPVTable();
    if (anyCodeTable) {
        w.Emit(R"vb(
            |'Permitted values of at least one property come from a code table
            |'read through the code-table object.
            |Private myCodeTable As qelCodeTable
        )vb");
    }
    WriteLongTextVariables(w);
    w.Emit(R"vb(
        |
        |'One item per business rule, keyed by the rule's error code constant.
        |'The item is True when the rule holds.
        |'Add and Update are executable only when all rules hold.
        |'
        |Private mcolBusinessRules As Collection
        |
        |'The permitted values of all properties of the business object.
        |'Fields:
        |'   PropertyName    the property the value belongs to
        |'   DisplayedValue  the value shown to the user
        |'   StoredValue     the value kept by the business object
        |'   IsValid         the value may still be chosen
        |Private mrsPermittedValues As ADOR.Recordset
        |
        |'mstrUserID stores the logon id of the user currently using the Employee object
        |Private mstrUserID As String
        |
        |'EVENTS AVAILABE TO THE USER INTERFACE
        |'A change of a property value changed the state of one or more business rules.
        |'A container passes the name of the contained business object.
        |Event BusinessRuleChange(ByVal ContainedObjName As String)
        |
        |'The business object changed a property value other than through
        |'that property's Property Let.
        |Event UpdatePropertyValues()
        |
        |'A view or edit restriction changed.
        |Event PropertyRestrictionChanged (ByVal PropertyName As String)
        |
        |'Restrictions of the properties, one item per property keyed by its name
        |Private mcolPropViewable As Collection         'True: Value can be displayed
        |Private mcolPropEditable As Collection         'True: Value can be changed
        |Private mcolPropPermittedValues As Collection  'True: Property has permitted values
        |
    )vb");
    WriteRelatedObjectVariables(w);
    w.EmitLine("'|||Add additional variable declarations here");
    w.EditPoint(" Declarations");
    w.Emit(R"vb(
        |'**************************************************************
        |'****************  BUSINESS OBJECT PROPERTIES   ***************
        |'**************************************************************
    )vb");
}

}  // namespace tier3::l2busobj
