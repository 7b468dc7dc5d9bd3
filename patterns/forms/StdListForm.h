#pragma once
// The list form pattern ("Brisolet.StdListForm"): per business object, two forms in the layer-1 project:
// "frm" & name & "List", a list view of the objects found with their commands and the views of the
// identifying children, and "frm" & name & "Search", where the user enters the criteria of that list.
// When the business object has exactly one identifying parent, both forms show the parent's context.
//
// Which file writes what:
//   StdListForm.cpp      Build: the property sets, both forms and their controls
//   ListFormCode.cpp     GenerateListFormCode: the list form's code but its commands
//   ListFormCommands.cpp the list form's menu and toolbar commands
//   SearchFormCode.cpp   GenerateSearchFormCode: the search form's code

#include <cstdint>
#include <optional>

#include "patternkit/Emitter.h"
#include "patternkit/ModelSets.h"
#include "patternkit/NotingConstructor.h"
#include "patternkit/ProcedureSplitter.h"
#include "patterns/forms/ControlArrays.h"
#include "patterns/forms/FormPattern.h"

namespace forms {

// A command that opens the detail form (ListFormCommands.cpp).
struct DetailCommand;

class StdListForm : public FormPattern {
  public:
    StdListForm();

    // 0, or 10 when an engine failure ended the build. Errors go on with "StdListForm.Build->" in front
    // of their source (after a generator's own prefix).
    std::optional<int16_t> Build() override;

    // The list view's columns, the search form's fields and the parent's context, as Build chose them.
    const patternkit::PropertySet& ListProperties() const { return mListProperties; }
    const patternkit::PropertySet& SearchProperties() const { return mSearchProperties; }
    const patternkit::PropertySet& ContextProperties() const { return mContextProperties; }

  private:
    int16_t BuildForms();
    void ChoosePropertySets();
    // The list view under the context frame, and the list form's size; false when the build must end.
    bool PlaceListView();
    // The search form's rows, in control arrays when the form would hold more names than VB loads.
    void PlaceSearchRows(patternkit::form_ctl_defaults& layout);
    // Selects the layer-1 project again and has `generator` write the current form's code.
    template <typename Generator>
    int16_t Code(std::string_view procedure, Generator generator);

    void GenerateListFormCode();
    void WriteListDeclarations(const patternkit::Emitter& out);
    void WriteCommands(const patternkit::Emitter& out);
    void WriteDetailCommand(const patternkit::Emitter& out, const DetailCommand& command);
    void WriteViewChild(const patternkit::Emitter& out);
    // The procedures that grow with the list properties are written through `splitter`.
    void WriteListFormLoad(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    // The captions of the View menu's items for the children.
    void WriteViewMenuCaptions(const patternkit::Emitter& out);
    void WriteLoadListbox(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    void WriteListEvents(const patternkit::Emitter& out) const;
    void WriteCheckControls(const patternkit::Emitter& out);
    // The six lines that enable or disable Open, Copy and Delete.
    static void WriteSelectionCommands(const patternkit::Emitter& out, std::string_view enabled);
    // The children that have a View item: at most the template's mnuViewChild items.
    std::size_t ViewedChildren() const;
    // A View item's index as written: digits without blanks.
    static std::string MenuIndex(std::size_t index);

    void GenerateSearchFormCode();
    void WriteOK(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    // The lines of cmdOK_Click that add the criterion of `property` when its text box holds one.
    void WriteCriterion(const patternkit::Emitter& out, const std::shared_ptr<typelib::IProperty>& property);
    // txt&PropName_LostFocus of the current property, for the data types whose entries are checked; a
    // text box of an array has it called by the array's LostFocus.
    void WriteEntryCheck(const patternkit::Emitter& out, const typelib::IProperty& property,
                         ArrayEvents& arrayEvents);
    // The current property's text box or operator combo box on the search form.
    std::string SearchControl(std::string_view prefix) const;
    void WriteSearchFormLoad(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);

    // Each text box of the context frame takes its property's value, each line followed by a blank one.
    void WriteContextLines(const patternkit::Emitter& out);
    // The standard ending of the procedure `name` of the form being coded.
    void End(const patternkit::Emitter& out, std::string_view name) const;

    patternkit::BusinessObjectSet mChildren;
    bool mHasParent = false;
    patternkit::PropertySet mListProperties;
    patternkit::PropertySet mSearchProperties;
    patternkit::PropertySet mContextProperties;
    std::vector<std::string>
        mSearchRowNames;  // the search rows' control names, which its context frame keeps clear of
    patternkit::PlacedControls mSearchRows;
};

}  // namespace forms
