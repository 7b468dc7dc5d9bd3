#include "core/BuildCheck.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <string_view>
#include <tuple>

#include "core/CommonModelQueries.h"
#include "core/CommonNames.h"
#include "core/GeneratedNames.h"
#include "core/PermittedValueCheck.h"
#include "core/StringLength.h"
#include "core/qelApplication.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "formlayout/ColumnFlow.h"
#include "formlayout/ControlNameCount.h"
#include "formlayout/DetailRows.h"
#include "formlayout/FormControls.h"
#include "formlayout/FormRoom.h"
#include "formlayout/OptionButtonValues.h"
#include "platform/vb/Error.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Literal.h"
#include "platform/vb/Text.h"
#include "recordlayout/RecordLayout.h"

namespace core {
namespace {

// The data types generated code is written for.
constexpr std::string_view kDataTypes[] = {"Boolean", "Byte", "Currency", "Date",       "Decimal", "Double",
                                           "Integer", "Long", "Memo",     "OLE Object", "Single",  "String"};

// A count with its thousands set off by commas, as "1,234,567".
std::string Grouped(int32_t count) {
    std::string digits = std::to_string(count);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), vb::IsControlCharacter);
}

// VB reads a line of at most vb::kMaxLineLength characters. The longest line written around a literal of
// model text is "        my<BusinessObject>.<Property> = <literal>": 74 characters beside the literal
// with names of 30. What is left is margin.
constexpr int32_t kLongestLiteral = 900;
static_assert(kLongestLiteral + 74 < vb::kMaxLineLength);

// The longest table or field name a database of the three takes (SQL Server's and Oracle's 128). Lines of
// SQL hold a table's and a field's name, brackets and doubled characters included, with names of 30.
constexpr int32_t kLongestDatabaseName = 128;
static_assert(2 * (2 * kLongestDatabaseName + 2) + 3 * 30 + 200 < vb::kMaxLineLength);

// 120 twips a character at most, in the 16 bits a form's layout counts in.
static_assert((2 * kLongestShownText + 10) * 120 < vb::kMaxFormTwips);
static_assert(kLongestShownText <= formlayout::kLongestRoomText);

constexpr const char* kCaptionValue = "the permitted value (an option button's caption)";

// A model text in a fault that names its length: its beginning.
std::string Excerpt(const std::string& text) {
    return QuotedText(vb::Len(text) <= 20 ? text : vb::Left(text, 20) + "...");
}

// The longest of some texts of a business object, the property it belongs to, and the length of the
// longest of the others.
struct LongestText {
    const qelBusObjProperty* property = nullptr;
    std::string text;
    int32_t length = -1;
    int32_t others = -1;

    void Take(const qelBusObjProperty& owner, const std::string& candidate) {
        const int32_t candidateLength = vb::Len(candidate);
        if (candidateLength > length)
            *this = {&owner, candidate, candidateLength, length};
        else
            others = std::max(others, candidateLength);
    }
};

class BuildChecker {
  public:
    BuildChecker(const qelApplication& application, bool forms) : mApplication(application), mForms(forms) {}

    void Check(const std::vector<std::shared_ptr<qelBusinessObject>>& chosen) {
        const std::string application = "Application " + QuotedText(mApplication.Name());
        const bool applicationNamed = Name(application, mApplication.Name());
        if (mApplication.BusinessObjects()->Count() == 0)
            Fault(application, "it has no business objects to build");
        ModelText(application, "its data source", mApplication.DSN());
        Literal(application, "its data source", mApplication.DSN());
        ModelText(application, "its local database", mApplication.LocalDBName());
        Literal(application, "its local database", mApplication.LocalDBName());
        // VB loads no project that holds a module of its own name.
        for (const MadeName& module : SharedModuleNames(mForms))
            mComponents.Hold(module.Name, "the module " + QuotedText(module.Name));
        TakeProjects();
        if (mForms && applicationNamed) {
            for (const MadeName& form : ApplicationFormNames(mApplication.Name()))
                Component(application, form);
        }
        // Every business object's name is a class name somewhere: as a class built now, or as one that
        // the classes built now refer to.
        std::map<const qelBusinessObject*, bool> named;
        for (const auto& businessObject : *mApplication.BusinessObjects())
            named[businessObject.get()] = Name(BusinessObjectItem(*businessObject), businessObject->Name());
        for (const auto& businessObject : chosen)
            CheckBuilt(*businessObject, named[businessObject.get()]);
    }

    std::vector<std::string> faults;

  private:
    void Fault(const std::string& item, const std::string& rule) { faults.push_back(item + ": " + rule); }
    void Faults(const std::string& item, const std::vector<std::string>& rules) {
        for (const std::string& rule : rules)
            Fault(item, rule);
    }

    // Whether `name` can be a VB name (and a file or folder name); a fault when not.
    bool Name(const std::string& item, const std::string& name) {
        const std::string fault = Common::VbNameFault(name);
        if (!fault.empty())
            Fault(item, fault);
        return fault.empty();
    }

    void OneLine(const std::string& item, const std::string& what, const std::string& text) {
        if (HoldsControlCharacter(text))
            Fault(item,
                  what + " " + QuotedText(text) + " holds a control character, and it stands on one line");
    }

    // Model text that generated code or a form holds: VB files are written in Windows-1252, which would
    // turn any other character into "?".
    void ModelText(const std::string& item, const std::string& what, const std::string& text) {
        if (const std::string outside = vb::FirstOutsideWindows1252(text); !outside.empty())
            Fault(item, what + " " + Excerpt(text) + " holds \"" + outside +
                            "\", a character that the Windows-1252 text of VB files cannot hold");
    }

    // Model text that generated code writes as a string literal.
    void Literal(const std::string& item, const std::string& what, const std::string& text) {
        const int32_t length = vb::Len(vb::StringLiteral(text));
        if (length > kLongestLiteral) {
            Fault(item, what + " " + Excerpt(text) + " makes a literal of " + std::to_string(length) +
                            " characters, longer than the " + std::to_string(kLongestLiteral) +
                            " that fit on a line of VB code");
        }
    }

    void Length(const std::string& item, const std::string& what, const std::string& text, int32_t limit,
                const std::string& why) {
        const int32_t length = vb::Len(text);
        if (length > limit)
            Fault(item, what + " " + Excerpt(text) + " has " + std::to_string(length) +
                            " characters, more than the " + std::to_string(limit) + " " + why);
    }

    void DatabaseName(const std::string& item, const std::string& what, const std::string& name) {
        OneLine(item, what, name);
        ModelText(item, what, name);
        Length(item, what, name, kLongestDatabaseName, "that a database takes in a name");
    }

    void Component(const std::string& item, const MadeName& made) {
        if (const std::string fault = ComponentNameFault(made); !fault.empty())
            Fault(item, fault);
        if (const std::string clash = mComponents.Take(item, made); !clash.empty())
            Fault(item, clash);
    }

    void TakeProjects() {
        for (const std::string& project :
             {mApplication.L1ProjectName(), mApplication.L2ProjectName(), mApplication.L3ProjectName()}) {
            const std::string item = "Project " + QuotedText(project);
            if (std::find(mProjects.begin(), mProjects.end(), project) != mProjects.end())
                continue;  // one project for several layers
            mProjects.push_back(project);
            if (Name(item, project)) {
                if (const std::string clash = mComponents.Take(item, {"the name", project}); !clash.empty())
                    Fault(item, clash);
            }
        }
    }

    void CheckBuilt(const qelBusinessObject& businessObject, bool named) {
        const std::string item = BusinessObjectItem(businessObject);
        if (const int32_t count = businessObject.Properties()->Count(); count > kMostProperties)
            Fault(item,
                  "it has " + std::to_string(count) + " properties, more than the " +
                      std::to_string(kMostProperties) +
                      " that a build takes (as many columns as an Access table holds), so that its "
                      "generated class keeps within the " +
                      Grouped(vb::kMaxModuleLines) +
                      " lines VB loads in a module: move some of its properties to a business object of "
                      "their own");
        if (!Common::HasPrimaryKey(businessObject))
            Fault(item, "it has no Primary Key: set Primary Key to Yes on one of its properties");
        if (const auto& table = businessObject.Table())
            DatabaseName(item, "the name of its table", table->Name());
        if (named) {
            for (const MadeName& made : ComponentNames(
                     businessObject.Name(), mApplication.Architecture() == typelib::ThreeTier, mForms))
                Component(item, made);
        }
        ClassMembers members;
        for (const auto& property : *businessObject.Properties())
            CheckProperty(businessObject, *property, members);
        CheckRecord(item, businessObject);
        if (mForms) {
            const std::size_t before = faults.size();
            CheckOptionButtonRoom(businessObject);
            CheckDetailFormNames(item, businessObject);
            // An option group without room takes its column's whole depth: named already.
            if (faults.size() == before)
                CheckFormsFit(item, businessObject);
        }
        for (const auto& method : *businessObject.Methods()) {
            const std::string methodItem = MemberItem("Method", businessObject, method->Name());
            OneLine(methodItem, "its stored procedure", method->StoredProcedureName());
            ModelText(methodItem, "its stored procedure", method->StoredProcedureName());
            Literal(methodItem, "its stored procedure", method->StoredProcedureName());
            if (Name(methodItem, method->Name())) {
                if (const std::string clash = members.TakeMethod(methodItem, method->Name()); !clash.empty())
                    Fault(methodItem, clash);
            }
        }
        // Its generated persistence class carries these out.
        for (const std::string_view operation : kStandardOperations) {
            const auto& methods = *businessObject.Methods();
            if (std::none_of(methods.begin(), methods.end(),
                             [&](const auto& method) { return method->Name() == operation; }))
                Fault(item, "it has no method " + QuotedText(operation) +
                                ", which every business object has: add a method of that name");
        }
        for (const auto& child : Common::GetIdentifyingChildren(businessObject)) {
            if (child.get() == &businessObject)
                Fault(item, "an identifying relationship makes it a part of itself");
            else
                Faults(item, members.TakeChild(item, child->Name()));
        }
    }

    void CheckProperty(const qelBusinessObject& businessObject, const qelBusObjProperty& property,
                       ClassMembers& members) {
        const std::string& name = property.Name();
        const std::string item = MemberItem("Property", businessObject, name);
        const std::string& dataType = property.DataType();
        if (Name(item, name))
            Faults(item, members.TakeProperty(item, name, dataType));
        if (std::ranges::find(kDataTypes, dataType) == std::end(kDataTypes))
            Fault(item, "the data type " + QuotedText(dataType) + " is none that VB code is written for");
        else if (dataType == "String" && !IsStringLength(property.Length()))
            Fault(item, "the length " + std::to_string(property.Length()) + " is outside the " +
                            std::to_string(vb::kMinFixedStringLength) + " to " +
                            std::to_string(vb::kMaxFixedStringLength) +
                            " characters of a VB fixed-length string");
        if (const std::string fault = KeyDataTypeFault(dataType); property.IsKey() && !fault.empty())
            Fault(item, fault);
        // Its code reads the value from the business object an association names.
        if (property.IsVirtual() && !property.IsForeignProperty())
            Fault(item,
                  "it is virtual, but no association gives it the business object it takes its value from");
        OneLine(item, "its label", property.Label());
        ModelText(item, "its label", property.Label());
        if (mForms)
            Length(item, "its label", property.Label(), kLongestShownText, "that a form's layout takes");
        if (const auto& field = property.Field())
            DatabaseName(item, "the name of its field", field->Name());
        // What the builder's Delete of a displayed property leaves.
        if (property.IsForeignProperty() && property.IsPVFKey() && !property.PVFKeyDisplayedProp())
            Fault(item,
                  "its permitted values are a Foreign Key Lookup whose displayed property is gone: "
                  "choose another displayed property, or other permitted values");
        if (property.IsPVList())
            CheckPermittedValues(item, property);
        if (property.IsPVRange())
            CheckRange(item, property);
    }

    void CheckPermittedValues(const std::string& item, const qelBusObjProperty& property) {
        for (const std::string& value : *property.PermittedValues()) {
            if (const std::string fault = ValueFault(property.DataType(), value); !fault.empty()) {
                Fault(item, "the permitted value " + QuotedText(value) + " " + fault);
                continue;
            }
            const formlayout::FormControl* control = formlayout::ControlOfType(property.ControlType());
            const formlayout::ShownValues shown = control ? control->values : formlayout::ShownValues::None;
            const bool caption = shown == formlayout::ShownValues::Captions;
            const char* what = caption ? kCaptionValue : "the permitted value";
            if (caption)
                OneLine(item, what, value);
            ModelText(item, "the permitted value", value);
            // Of two limits on its length, the stricter is named.
            if (mForms && shown != formlayout::ShownValues::None)
                Length(item, what, value, kLongestShownText, "that a form's layout takes");
            else
                Literal(item, "the permitted value", value);
        }
    }

    // Its record type holds a member for each property: VB compiles no record larger than a procedure's
    // variable takes. A length already refused leaves it unmeasured.
    void CheckRecord(const std::string& item, const qelBusinessObject& businessObject) {
        std::vector<std::shared_ptr<typelib::IProperty>> properties;
        for (const auto& property : *businessObject.Properties()) {
            if (property->DataType() == "String" && !IsStringLength(property->Length()))
                return;
            properties.push_back(property);
        }
        std::string bytes;
        try {
            const int32_t count = recordlayout::MeasureRecord(properties).byteCount;
            if (count <= recordlayout::kMaxRecordBytes)
                return;
            bytes = std::to_string(count);
        } catch (const vb::Error&) {
            bytes = "more than " + std::to_string(INT32_MAX);  // beyond what a Long counts
        }
        Fault(item, "its record " + recordlayout::RecordSizeFault(bytes));
    }

    // The detail form sets its option buttons right of the label column, which is as wide as the longest
    // label: when no button of a group has room there, the check names the longest label or the longest
    // caption, with the length that would leave the button room.
    void CheckOptionButtonRoom(const qelBusinessObject& businessObject) {
        std::size_t rows = 0;
        LongestText label, caption;
        try {
            for (const auto& property : *businessObject.Properties()) {
                if (!formlayout::IsDetailProperty(*property))
                    continue;
                ++rows;
                label.Take(*property, property->Label());
                if (!formlayout::IsOptionGroup(*property))
                    continue;
                for (const formlayout::OptionButtonValue& value : formlayout::OptionButtonValues(*property))
                    caption.Take(*property, value.caption);
            }
        } catch (const vb::Error&) {
            return;  // a model the form cannot be read from fails in the build, as before
        }
        // Longer texts are refused for their length.
        if (!caption.property || label.length > kLongestShownText || caption.length > kLongestShownText ||
            formlayout::OptionButtonHasRoom(rows, label.length, caption.length))
            return;
        // The longest label takes the room when the captions would fit beside the others.
        const int32_t labelLimit = formlayout::LongestLabelBesideOptions(rows, caption.length);
        const int32_t captionLimit = formlayout::LongestOptionCaption(rows, label.length);
        if (labelLimit >= 0 && (labelLimit >= label.others || captionLimit < 0)) {
            const std::string group = QuotedText(businessObject.Name() + "." + caption.property->Name());
            Length(MemberItem("Property", businessObject, label.property->Name()), "its label", label.text,
                   labelLimit, "that leave the option buttons of " + group + " room on its form");
            return;
        }
        const std::string item = MemberItem("Property", businessObject, caption.property->Name());
        const int32_t bareLimit =
            captionLimit >= 0 ? captionLimit : formlayout::LongestOptionCaption(rows, 0);
        if (bareLimit >= 0)
            Length(item, kCaptionValue, caption.text, bareLimit, "that leave a button room on its form");
        else
            Fault(item, "its option buttons find no room on the detail form, whose " + std::to_string(rows) +
                            " rows leave too narrow a column for any button: give it another ControlType, "
                            "such as ComboBox");
    }

    // VB loads no form of more than vb::kMaxControlNames control names. The controls of the detail
    // form's rows join control arrays where that keeps it within them; an option group's frame keeps a
    // name of its own, as the layout puts its buttons into it by that name.
    void CheckDetailFormNames(const std::string& item, const qelBusinessObject& businessObject) {
        const formlayout::Properties detail(businessObject.Properties()->begin(),
                                            businessObject.Properties()->end());
        std::size_t names = 0;
        try {
            const formlayout::Properties context = ContextProperties(businessObject);
            names =
                formlayout::DetailFormControlNames(detail, context, formlayout::ControlArrays::RowControls);
        } catch (const vb::Error&) {
            return;  // a model the form cannot be read from fails in the build, as before
        }
        if (names <= vb::kMaxControlNames)
            return;
        const auto groups = std::count_if(detail.begin(), detail.end(), [](const auto& property) {
            return formlayout::IsOptionGroup(*property);
        });
        Fault(item, "its detail form " + QuotedText("frm" + businessObject.Name() + "Detail") +
                        " would hold " + std::to_string(names) + " control names, more than the " +
                        std::to_string(vb::kMaxControlNames) + " that VB loads on a form: its " +
                        std::to_string(groups) +
                        " properties shown as option buttons take a frame each; give some of them another "
                        "ControlType");
    }

    // The search and detail forms lay their rows out in columns, deeper where they would be wider than
    // the 16 bits a form's twips count in: rows that no depth holds cannot become a form.
    void CheckFormsFit(const std::string& item, const qelBusinessObject& businessObject) {
        formlayout::Properties search, detail;
        bool searchFits = true, detailFits = true;
        try {
            for (const auto& property : *businessObject.Properties()) {
                if (formlayout::IsSearchProperty(*property))
                    search.push_back(property);
                if (formlayout::IsDetailProperty(*property))
                    detail.push_back(property);
            }
            const std::size_t contextRows = ContextProperties(businessObject).size();
            searchFits = formlayout::FormFits(formlayout::RowsOf::SearchForm, search, contextRows);
            detailFits = formlayout::FormFits(formlayout::RowsOf::DetailForm, detail, contextRows);
        } catch (const vb::Error&) {
            return;  // a model the form cannot be read from fails in the build, as before
        }
        for (const auto& [fits, form, rows] : {std::tuple{searchFits, "Search", search.size()},
                                               std::tuple{detailFits, "Detail", detail.size()}}) {
            if (!fits)
                Fault(item,
                      "its " + vb::LCase(form) + " form " + QuotedText("frm" + businessObject.Name() + form) +
                          " cannot hold its " + std::to_string(rows) + " rows within the " +
                          std::to_string(vb::kMaxFormTwips) +
                          " twips a form measures each way, however deep its "
                          "columns: shorten its longest labels and permitted values, or move some of its "
                          "properties to a business object of their own");
        }
    }

    // What the forms show of the one identifying parent: its key and unique properties.
    static formlayout::Properties ContextProperties(const qelBusinessObject& businessObject) {
        formlayout::Properties context;
        const Common::BusinessObjectRefs parents = Common::GetIdentifyingParents(businessObject);
        if (parents.Count() != 1)
            return context;
        for (const auto& property : *parents.Item(1)->Properties()) {
            if (property->IsKey() || property->IsUnique())
                context.push_back(property);
        }
        return context;
    }

    void CheckRange(const std::string& item, const qelBusObjProperty& property) {
        if (property.DataType() == "Boolean") {
            Fault(item, "a Boolean property has no range");
            return;
        }
        for (const auto& [what, bound] : {std::pair{"the lower bound", property.LowerBound()},
                                          std::pair{"the upper bound", property.UpperBound()}}) {
            if (const std::string fault = ValueFault(property.DataType(), bound); !fault.empty()) {
                Fault(item, std::string(what) + " " + QuotedText(bound) + " " + fault);
            } else {
                ModelText(item, what, bound);
                Literal(item, what, bound);
            }
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

std::string KeyDataTypeFault(const std::string& dataType) {
    if (dataType != "Memo" && dataType != "OLE Object")
        return {};
    return "a key of DataType " + dataType +
           " has no value in the record and cannot identify a row: give it another data type, or set "
           "Primary Key to No";
}

std::string BuildRefusal(const std::vector<std::string>& faults) {
    std::string message = "These names and values cannot become VB code.  Generation aborted!";
    for (const std::string& fault : faults)
        message += "\n" + fault;
    return message;
}

}  // namespace core
