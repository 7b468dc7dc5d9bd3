#include "core/BuildCheck.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string_view>

#include "core/CommonModelQueries.h"
#include "core/CommonNames.h"
#include "core/PermittedValueCheck.h"
#include "core/StringLength.h"
#include "core/qelApplication.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

// VB names a project's class, module or form with 40 characters at most.
constexpr size_t kMaxComponentName = 40;

// What every generated business-object class, and its list, batch and persistence classes, declare
// themselves: no property or method of the model can take these names.
constexpr std::string_view kClassMembers[] = {
    "Add",
    "BusinessRuleChange",
    "CheckBusinessRules",
    "CheckMandatoryValues",
    "Class_Initialize",
    "Class_Terminate",
    "CreateObjectID",
    "CreateRecordset",
    "DBMSType",
    "Delete",
    "EOF",
    "GenSQLFromObjectID",
    "GenSQLFromProperties",
    "GetPermittedValues",
    "GetSQLSelectString",
    "GetState",
    "InitBusinessRulesCol",
    "InitMandatoryPropertyCol",
    "InitPropertyPVCol",
    "InitRestrictions",
    "InitTranslationArray",
    "IsChanged",
    "IsDeleted",
    "IsNew",
    "IsValidBoolean",
    "IsValidDate",
    "IsValidNumber",
    "MethodIsExecutable",
    "MoveFirst",
    "MoveNext",
    "ObjectID",
    "Post",
    "PropertyIsEditable",
    "PropertyIsViewable",
    "PropertyRestrictionChanged",
    "Read",
    "RecordCount",
    "Reset",
    "Save",
    "Search",
    "SetDefaultValues",
    "SetFields",
    "SetState",
    "Update",
    "UpdatePropertyValues",
};

// The four operations every business object has: methods of these names are those operations.
constexpr std::string_view kStandardOperations[] = {"Add", "Delete", "Read", "Update"};

// The data types generated code is written for.
constexpr std::string_view kDataTypes[] = {"Boolean", "Byte", "Currency", "Date",       "Decimal", "Double",
                                           "Integer", "Long", "Memo",     "OLE Object", "Single",  "String"};

template <size_t N>
bool Holds(const std::string_view (&list)[N], std::string_view text) {
    return std::find(std::begin(list), std::end(list), text) != std::end(list);
}

bool IsControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
}

// A model text in a message: between double quotes, a control character as its code ("Net<10>30").
std::string Quoted(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text)
        shown += IsControlCharacter(c) ? "<" + std::to_string(static_cast<unsigned char>(c)) + ">"
                                       : std::string(1, c);
    return shown + "\"";
}

// Names that share one scope of VB (a class's members; a project group's projects and components),
// compared ignoring letter case: each is held by the first that took it.
class NameScope {
  public:
    // Empty when `name` was free (`holder` holds it now); otherwise who holds it.
    std::string Take(const std::string& name, const std::string& holder) {
        const auto [at, taken] = mHolders.emplace(vb::FoldCase(name), holder);
        return taken ? std::string() : at->second;
    }

  private:
    std::map<std::string, std::string> mHolders;
};

class BuildChecker {
  public:
    BuildChecker(const qelApplication& application, bool forms) : mApplication(application), mForms(forms) {}

    void Check(const std::vector<std::shared_ptr<qelBusinessObject>>& chosen) {
        const std::string application = "Application " + Quoted(mApplication.Name());
        const bool applicationNamed = Name(application, mApplication.Name());
        TakeProjects();
        for (const char* module : {"CommonPersist", "CommonLogical", "ErrorDisplay"})
            mComponents.Take(module, "the module \"" + std::string(module) + "\"");
        if (mForms) {
            mComponents.Take("Common", "the module \"Common\"");
            if (applicationNamed) {
                const std::string& name = mApplication.Name();
                Component(application, "its startup form", "frm" + name + "_Startup");
                Component(application, "its logon form", "frm" + name + "_Logon");
            }
        }
        // Every business object's name is a class name somewhere: as a class built now, or as one that
        // the classes built now refer to.
        std::map<const qelBusinessObject*, bool> named;
        for (const auto& businessObject : *mApplication.BusinessObjects())
            named[businessObject.get()] = Name(Item(*businessObject), businessObject->Name());
        for (const auto& businessObject : chosen)
            CheckBuilt(*businessObject, named[businessObject.get()]);
    }

    std::vector<std::string> faults;

  private:
    static std::string Item(const qelBusinessObject& businessObject) {
        return "Business object " + Quoted(businessObject.Name());
    }
    static std::string Member(const char* kind, const qelBusinessObject& businessObject,
                              const std::string& name) {
        return std::string(kind) + " " + Quoted(businessObject.Name() + "." + name);
    }

    // "Property "Customer.Phone"" as it is named inside a sentence.
    static std::string Lowered(const std::string& item) {
        return vb::LCase(item.substr(0, 1)) + item.substr(1);
    }

    void Fault(const std::string& item, const std::string& rule) { faults.push_back(item + ": " + rule); }

    // Whether `name` can be a VB name (and a file or folder name); a fault when not.
    bool Name(const std::string& item, const std::string& name) {
        const std::string fault = Common::VbNameFault(name);
        if (!fault.empty())
            Fault(item, fault);
        return fault.empty();
    }

    void OneLine(const std::string& item, const std::string& what, const std::string& text) {
        if (HoldsControlCharacter(text))
            Fault(item, what + " " + Quoted(text) + " holds a control character, and it stands on one line");
    }

    // Whether `name`, which `item` gives itself ("the name") or something of its own ("its change flag"),
    // was free in `scope`; a fault when not.
    bool Taken(NameScope& scope, const std::string& item, const std::string& subject,
               const std::string& name) {
        const std::string holder =
            subject == "the name" ? Lowered(item) : "the " + subject.substr(4) + " of " + Lowered(item);
        const std::string holding = scope.Take(name, holder);
        if (!holding.empty()) {
            Fault(item,
                  subject + " " + Quoted(name) + " is also the name of " + holding + ", letter case aside");
        }
        return holding.empty();
    }

    void Component(const std::string& item, const std::string& subject, const std::string& name) {
        if (name.size() > kMaxComponentName) {
            Fault(item, subject + " " + Quoted(name) + " is longer than the " +
                            std::to_string(kMaxComponentName) + " characters of a VB class or module name");
        }
        Taken(mComponents, item, subject, name);
    }

    void TakeProjects() {
        for (const std::string& project :
             {mApplication.L1ProjectName(), mApplication.L2ProjectName(), mApplication.L3ProjectName()}) {
            const std::string item = "Project " + Quoted(project);
            if (std::find(mProjects.begin(), mProjects.end(), project) != mProjects.end())
                continue;  // one project for several layers
            mProjects.push_back(project);
            if (Name(item, project))
                Taken(mComponents, item, "the name", project);
        }
    }

    void CheckBuilt(const qelBusinessObject& businessObject, bool named) {
        const std::string item = Item(businessObject);
        if (const auto& table = businessObject.Table())
            OneLine(item, "the name of its table", table->Name());
        if (named)
            CheckClassNames(businessObject);
        NameScope members;
        for (const std::string_view member : kClassMembers)
            members.Take(std::string(member), "a member of every generated class");
        for (const auto& property : *businessObject.Properties())
            CheckProperty(businessObject, *property, members);
        for (const auto& method : *businessObject.Methods()) {
            const std::string methodItem = Member("Method", businessObject, method->Name());
            OneLine(methodItem, "its stored procedure", method->StoredProcedureName());
            if (Name(methodItem, method->Name()) && !Holds(kStandardOperations, method->Name()))
                Taken(members, methodItem, "the name", method->Name());
        }
        for (const auto& child : Common::GetIdentifyingChildren(businessObject)) {
            if (child.get() == &businessObject) {
                Fault(item, "an identifying relationship makes it a part of itself");
                continue;
            }
            Taken(members, item, "its member for the child", child->Name());
            Taken(members, item, "its member for the child's list", child->Name() + "List");
        }
    }

    void CheckClassNames(const qelBusinessObject& businessObject) {
        const std::string item = Item(businessObject);
        const std::string& name = businessObject.Name();
        const struct {
            const char* subject;
            const char* prefix;
            const char* suffix;
            bool made;
        } classes[] = {
            {"its class", "", "", true},
            {"its batch class", "", "Batch", true},
            {"its list class", "", "List", true},
            {"its type module", "", "UDT", true},
            {"its persistence class", "", "Persist", true},
            {"its persistence type module", "", "PersistUDT",
             mApplication.Architecture() == typelib::ThreeTier},
            {"its list form", "frm", "List", mForms},
            {"its search form", "frm", "Search", mForms},
            {"its look-up form", "frm", "LookUp", mForms},
            {"its detail form", "frm", "Detail", mForms},
        };
        for (const auto& made : classes) {
            if (made.made)
                Component(item, made.subject, made.prefix + name + made.suffix);
        }
    }

    void CheckProperty(const qelBusinessObject& businessObject, const qelBusObjProperty& property,
                       NameScope& members) {
        const std::string& name = property.Name();
        const std::string item = Member("Property", businessObject, name);
        // A name taken already brings its own faults; those of the names made from it would only repeat them.
        const bool free = Name(item, name) && Taken(members, item, "the name", name);
        if (free) {
            Taken(members, item, "its validation function", name + "IsValid");
            Taken(members, item, "its change flag", name + "IsChanged");
        }
        const std::string& dataType = property.DataType();
        if (!Holds(kDataTypes, dataType))
            Fault(item, "the data type " + Quoted(dataType) + " is none that VB code is written for");
        else if (dataType == "String" && !IsStringLength(property.Length()))
            Fault(item, "the length " + std::to_string(property.Length()) + " is outside the " +
                            std::to_string(kMinStringLength) + " to " + std::to_string(kMaxStringLength) +
                            " characters of a VB fixed-length string");
        else if ((dataType == "Memo" || dataType == "OLE Object") && free)
            Taken(members, item, "its read function", "Read_" + name);
        OneLine(item, "its label", property.Label());
        if (const auto& field = property.Field())
            OneLine(item, "the name of its field", field->Name());
        if (property.IsPVList())
            CheckPermittedValues(item, property);
        if (property.IsPVRange())
            CheckRange(item, property);
    }

    void CheckPermittedValues(const std::string& item, const qelBusObjProperty& property) {
        for (const std::string& value : *property.PermittedValues()) {
            const std::string fault = ValueFault(property.DataType(), value);
            if (!fault.empty())
                Fault(item, "the permitted value " + Quoted(value) + " " + fault);
            else if (property.ControlType() == "OptionButton")
                OneLine(item, "the permitted value (an option button's caption)", value);
        }
    }

    void CheckRange(const std::string& item, const qelBusObjProperty& property) {
        if (property.DataType() == "Boolean") {
            Fault(item, "a Boolean property has no range");
            return;
        }
        for (const auto& [what, bound] : {std::pair{"the lower bound ", property.LowerBound()},
                                          std::pair{"the upper bound ", property.UpperBound()}}) {
            const std::string fault = ValueFault(property.DataType(), bound);
            if (!fault.empty())
                Fault(item, what + Quoted(bound) + " " + fault);
        }
    }

    const qelApplication& mApplication;
    bool mForms;
    std::vector<std::string> mProjects;
    NameScope mComponents;
};

}  // namespace

std::vector<std::string> CheckBeforeBuild(const qelApplication& application,
                                          const std::vector<std::shared_ptr<qelBusinessObject>>& chosen,
                                          bool forms) {
    BuildChecker checker(application, forms);
    checker.Check(chosen);
    return checker.faults;
}

std::string BuildRefusal(const std::vector<std::string>& faults) {
    std::string message = "These names and values cannot become VB code.  Generation aborted!";
    for (const std::string& fault : faults)
        message += "\n" + fault;
    return message;
}

}  // namespace core
