#pragma once
// The check before a build: whatever of the model becomes a VB name, a file or folder name, or text in
// generated code is checked before anything is written, so that every model a repository can hold either
// generates code that compiles or is refused with every fault named at once.
//
// Checked: that there is a business object to build; that each business object built has at most
// kMostProperties properties, a Primary Key, no
// key of a type without a value in the record, a record VB compiles (by the layout its record type has),
// and the Add, Update, Read and Delete methods; that each Foreign Key Lookup still has its displayed
// property; the application's and the projects' names (they name
// the group file and the project folders; no project is named as a generated module), the names of all
// business objects; of each business object built, its properties' and methods' names, the names its class
// takes from them (its members, distinct ignoring case, also from the members every generated class has),
// the class names made from it (at most 40 characters, distinct across the build), that its virtual
// properties have an association to take their values through, its data types, String lengths, permitted
// values and range bounds against their types, the model texts that generated comments or captions hold
// (table, field and stored-procedure names, labels, option captions: one line each), and those written as
// string literals (data source, local database, permitted values, range bounds, stored-procedure names:
// short enough for a line of VB code). Every model text holds only characters of Windows-1252, the code
// page of VB files; table and field names are no longer than a database takes; with forms, labels and
// listed values are no longer than a form's layout takes, a detail form's option buttons have room
// beside its labels (by the form geometry that the layout uses), a detail form's option groups leave it
// within the control names VB loads (counted as the form patterns count them), and the rows of its search
// and detail forms fit a form of 16-bit twips at some depth (by the column flow the layout uses). The rules
// for names made of names are GeneratedNames.h's.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace core {

// A form's layout counts in twips, in 16 bits: a label or a listed value wider than this many characters
// overflows it beside the other controls of a row.
inline constexpr int32_t kLongestShownText = 100;

// The most properties a business object is built with, as many columns as an Access table holds: its
// generated class, some 180 lines a property, then keeps within the 65,534 lines VB loads in a module.
inline constexpr int32_t kMostProperties = 255;

class qelApplication;
class qelBusinessObject;

// The faults of a build of `chosen` (business objects of `application`), with the forms or without: one
// text "<item>: <rule>" each, in the model's order; none when the build may go on.
std::vector<std::string> CheckBeforeBuild(const qelApplication& application,
                                          const std::vector<std::shared_ptr<qelBusinessObject>>& chosen,
                                          bool forms);

// Why a key property cannot be of `dataType` (its value is not in the record that identifies a row); empty
// when it can.
std::string KeyDataTypeFault(const std::string& dataType);

// The one message that refuses a build for `faults`.
std::string BuildRefusal(const std::vector<std::string>& faults);

}  // namespace core
