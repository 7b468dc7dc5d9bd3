#include "core/GeneratedNames.h"

#include <algorithm>
#include <iterator>

#include "core/CommonModelQueries.h"
#include "core/CommonNames.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

// What every generated business-object class, and its list, batch and persistence classes, declare
// themselves: no property or method of the model can take these names. Sorted ignoring letter case.
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

constexpr bool CaselessLess(std::string_view a, std::string_view b) {
    return std::ranges::lexicographical_compare(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) < lower(y);
    });
}
static_assert(std::ranges::is_sorted(kClassMembers, CaselessLess));

bool IsEveryClassMember(std::string_view name) {
    return std::ranges::binary_search(kClassMembers, name, CaselessLess);
}

constexpr const char* kOwnName = "the name";
constexpr const char* kEveryClass = "a member of every generated class";

std::string ClashWith(const MadeName& made, const std::string& holder) {
    return made.Subject + " " + QuotedText(made.Name) + " is also the name of " + holder +
           ", letter case aside";
}

// "Property "Customer.Phone"" as it is named inside a sentence.
std::string Lowered(const std::string& item) {
    return vb::LCase(item.substr(0, 1)) + item.substr(1);
}

}  // namespace

std::string QuotedText(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text)
        shown += vb::IsControlCharacter(c) ? "<" + std::to_string(static_cast<unsigned char>(c)) + ">"
                                           : std::string(1, c);
    return shown + "\"";
}

std::string BusinessObjectItem(const qelBusinessObject& businessObject) {
    return "Business object " + QuotedText(businessObject.Name());
}

std::string MemberItem(const char* kind, const qelBusinessObject& businessObject, const std::string& name) {
    return std::string(kind) + " " + QuotedText(businessObject.Name() + "." + name);
}

void NameScope::Hold(const std::string& name, const std::string& holder) {
    mHolders.emplace(vb::FoldCase(name), holder);
}

std::string NameScope::Take(const std::string& item, const MadeName& made) {
    const std::string clash = Clash(made);
    if (clash.empty()) {
        Hold(made.Name, made.Subject == kOwnName ? Lowered(item)
                                                 : "the " + made.Subject.substr(4) + " of " + Lowered(item));
    }
    return clash;
}

std::string NameScope::Clash(const MadeName& made) const {
    const auto held = mHolders.find(vb::FoldCase(made.Name));
    return held == mHolders.end() ? std::string() : ClashWith(made, held->second);
}

std::vector<MadeName> ComponentNames(const std::string& name, bool threeTier, bool forms) {
    std::vector<MadeName> names = {
        {"its class", name, 2},
        {"its batch class", name + "Batch", 2},
        {"its list class", name + "List", 2},
        {"its type module", name + "UDT", 2},
        {"its persistence class", name + "Persist", 3},
    };
    if (threeTier)
        names.push_back({"its persistence type module", name + "PersistUDT", 3});
    if (forms) {
        for (const auto& [subject, suffix] : {std::pair{"its list form", "List"},
                                              {"its search form", "Search"},
                                              {"its look-up form", "LookUp"},
                                              {"its detail form", "Detail"}})
            names.push_back({subject, "frm" + name + suffix, 1});
    }
    return names;
}

std::vector<MadeName> SharedModuleNames(bool forms) {
    std::vector<MadeName> names = {
        {{}, "CommonPersist", 3}, {{}, "CommonLogical", 2}, {{}, "ErrorDisplay", 1}};
    if (forms)
        names.push_back({{}, "Common", 1});
    return names;
}

std::vector<MadeName> ApplicationFormNames(const std::string& application) {
    return {{"its startup form", "frm" + application + "_Startup", 1},
            {"its logon form", "frm" + application + "_Logon", 1}};
}

std::string ComponentNameFault(const MadeName& made) {
    if (vb::Len(made.Name) <= vb::kMaxNameLength)
        return {};
    return made.Subject + " " + QuotedText(made.Name) + " is longer than the " +
           std::to_string(vb::kMaxNameLength) + " characters of a VB class or module name";
}

std::string BusinessObjectNameFault(const std::string& name) {
    if (std::string fault = Common::VbNameFault(name); !fault.empty())
        return fault;
    for (const MadeName& made : ComponentNames(name, true, true)) {
        if (std::string fault = ComponentNameFault(made); !fault.empty())
            return fault;
    }
    return {};
}

ClassMembers::ClassMembers(const qelBusinessObject& businessObject, const void* leftOut) {
    for (const auto& property : *businessObject.Properties()) {
        const std::string& name = property->Name();
        if (property.get() != leftOut && Common::VbNameFault(name).empty())
            TakeProperty(MemberItem("Property", businessObject, name), name, property->DataType());
    }
    for (const auto& method : *businessObject.Methods()) {
        if (method.get() != leftOut && Common::VbNameFault(method->Name()).empty())
            TakeMethod(MemberItem("Method", businessObject, method->Name()), method->Name());
    }
    for (const auto& child : Common::GetIdentifyingChildren(businessObject)) {
        if (child.get() != &businessObject)
            TakeChild(BusinessObjectItem(businessObject), child->Name());
    }
}

std::vector<MadeName> ClassMembers::PropertyNames(const std::string& name, const std::string& dataType) {
    std::vector<MadeName> names = {
        {kOwnName, name},
        {"its validation function", name + "IsValid"},
        {"its change flag", name + "IsChanged"},
    };
    if (dataType == "Memo" || dataType == "OLE Object")
        names.push_back({"its read function", "Read_" + name});
    return names;
}

std::vector<std::string> ClassMembers::TakeProperty(const std::string& item, const std::string& name,
                                                    const std::string& dataType) {
    const std::vector<MadeName> names = PropertyNames(name, dataType);
    // A name taken already brings its own faults; those of the names made from it would only repeat them.
    if (std::string clash = Take(item, names.front()); !clash.empty())
        return {std::move(clash)};
    std::vector<std::string> clashes;
    for (auto made = std::next(names.begin()); made != names.end(); ++made) {
        if (std::string clash = Take(item, *made); !clash.empty())
            clashes.push_back(std::move(clash));
    }
    return clashes;
}

std::string ClassMembers::PropertyClash(const std::string& name, const std::string& dataType) const {
    for (const MadeName& made : PropertyNames(name, dataType)) {
        if (std::string clash = Clash(made); !clash.empty())
            return clash;
    }
    return {};
}

std::string ClassMembers::TakeMethod(const std::string& item, const std::string& name) {
    if (std::ranges::find(kStandardOperations, name) != std::end(kStandardOperations))
        return {};
    return Take(item, {kOwnName, name});
}

std::vector<std::string> ClassMembers::TakeChild(const std::string& item, const std::string& child) {
    std::vector<std::string> clashes;
    for (const MadeName& made : {MadeName{"its member for the child", child},
                                 MadeName{"its member for the child's list", child + "List"}}) {
        if (std::string clash = Take(item, made); !clash.empty())
            clashes.push_back(std::move(clash));
    }
    return clashes;
}

std::string ClassMembers::Take(const std::string& item, const MadeName& made) {
    return IsEveryClassMember(made.Name) ? ClashWith(made, kEveryClass) : mNames.Take(item, made);
}

std::string ClassMembers::Clash(const MadeName& made) const {
    return IsEveryClassMember(made.Name) ? ClashWith(made, kEveryClass) : mNames.Clash(made);
}

}  // namespace core
