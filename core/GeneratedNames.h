#pragma once
// The names generated code makes of the model's names: the components a build makes of a business object,
// and the members of a business object's generated class. The check before a build and the schema import
// judge names by these same rules, so that the import makes no name the check refuses.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class qelBusinessObject;

// The four operations every business object has: methods of these names are those operations.
inline constexpr std::string_view kStandardOperations[] = {"Add", "Update", "Read", "Delete"};

// A model text in a message: between double quotes, a control character as its code ("Net<10>30").
std::string QuotedText(std::string_view text);

// How messages name a business object ("Business object "Customer"") and one of its properties or methods
// (`kind` "Property": "Property "Customer.Phone"").
std::string BusinessObjectItem(const qelBusinessObject& businessObject);
std::string MemberItem(const char* kind, const qelBusinessObject& businessObject, const std::string& name);

// A name generated code makes, and what it is to the item it is made for: "the name" (the item's own),
// or something of the item's ("its list class"). A component's name also tells the layer whose project
// holds the component (1 to 3; 0 for other names).
struct MadeName {
    std::string Subject;
    std::string Name;
    int32_t Layer = 0;
};

// Names that share one scope of VB (a class's members; a project group's projects and components),
// compared ignoring letter case: each is held by the first that took it.
class NameScope {
  public:
    // `holder` holds `name`, unless another holds it already.
    void Hold(const std::string& name, const std::string& holder);
    // Takes `made` for `item` ("Property "Customer.Phone""): empty when it was free; otherwise the clash,
    // `<subject> "<name>" is also the name of <holder>, letter case aside`.
    std::string Take(const std::string& item, const MadeName& made);
    // The clash Take would give, taking nothing.
    std::string Clash(const MadeName& made) const;

  private:
    std::map<std::string, std::string> mHolders;
};

// The components a build makes of a business object named `name`: its classes and type modules (the
// persistence type module only in three tiers) and, with `forms`, its four forms.
std::vector<MadeName> ComponentNames(const std::string& name, bool threeTier, bool forms);

// The modules a build makes once for the application, whatever it builds: "CommonPersist",
// "CommonLogical", "ErrorDisplay" and, with `forms`, "Common".
std::vector<MadeName> SharedModuleNames(bool forms);

// The startup and logon forms of a build with forms of the application named `application`.
std::vector<MadeName> ApplicationFormNames(const std::string& application);

// Why a component cannot be named `made.Name`: VB takes at most vb::kMaxNameLength characters; empty when it
// can.
std::string ComponentNameFault(const MadeName& made);

// Why no build can have a business object named `name`: its own fault as a VB name (Common::VbNameFault),
// else the fault of a component a build in three tiers with forms makes of it; empty when every build can.
std::string BusinessObjectNameFault(const std::string& name);

// The member names of a business object's generated class, taken as the check before a build takes them:
// first those every generated class has, then those its properties, methods and identifying children give
// it. Each take gives the clashes of the names it takes (NameScope::Take).
class ClassMembers {
  public:
    // The members every generated class has.
    ClassMembers() = default;
    // And those that the properties, methods and identifying children of `businessObject` give its class,
    // of each whose own name VB accepts, but `leftOut` (a property or method being renamed).
    explicit ClassMembers(const qelBusinessObject& businessObject, const void* leftOut = nullptr);

    // The names a property named `name` of `dataType` gives the class: its own first, then its validation
    // function, its change flag and, for Memo and OLE Object, its read function.
    static std::vector<MadeName> PropertyNames(const std::string& name, const std::string& dataType);

    // Takes the names a property gives the class for `item`: its own, and the others when its own was free.
    std::vector<std::string> TakeProperty(const std::string& item, const std::string& name,
                                          const std::string& dataType);
    // The first clash TakeProperty would give, taking nothing; empty when none.
    std::string PropertyClash(const std::string& name, const std::string& dataType) const;
    // Takes a method's name, unless it names one of the four operations every business object has.
    std::string TakeMethod(const std::string& item, const std::string& name);
    // Takes the members for an identifying child named `child`: one for the child, one for its list.
    std::vector<std::string> TakeChild(const std::string& item, const std::string& child);

  private:
    std::string Take(const std::string& item, const MadeName& made);
    std::string Clash(const MadeName& made) const;

    NameScope mNames;  // those the model gives the class
};

}  // namespace core
