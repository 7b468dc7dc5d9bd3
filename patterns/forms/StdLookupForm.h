#pragma once
// The look-up form pattern ("Brisolet.StdLookupForm"): per business object, the form
// "frm" & name & "LookUp" in the layer-1 project, on which the user of the generated application searches
// the business object's objects by one property and picks one for the form that opened it.
//
// Which file writes what:
//   StdLookupForm.cpp    Build: the property sets, the form and its controls
//   LookupFormCode.cpp   GenerateCode: the form's code, procedure by procedure

#include <cstdint>
#include <optional>

#include "patternkit/Emitter.h"
#include "patternkit/ModelSets.h"
#include "patternkit/ProcedureSplitter.h"
#include "patterns/forms/FormPattern.h"

namespace forms {

class StdLookupForm : public FormPattern {
  public:
    StdLookupForm();

    // 0, or 10 when an engine failure ended the build. Errors go on with "StdLookupForm.Build->" in
    // front of their source (after the generator's own prefix).
    std::optional<int16_t> Build() override;

    // The columns of the list view and the properties the form searches by, as Build chose them.
    const patternkit::PropertySet& ListProperties() const { return mListProperties; }
    const patternkit::PropertySet& SearchProperties() const { return mSearchProperties; }

  private:
    int16_t BuildForm();
    void ChoosePropertySets();
    // The list view under the search frame; false when the build must end.
    bool PlaceListView();

    void GenerateCode();
    void WriteDeclarations(const patternkit::Emitter& out) const;
    // cmdFind_Click, its search cases written through `splitter`.
    void WriteFind(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    void WriteSearchCase(const patternkit::Emitter& out, const typelib::IProperty& property) const;
    // The list view's `columns` are written through `splitter`.
    void WriteFormLoad(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
                       const patternkit::PropertySet& columns);
    void WriteLoadListbox(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
                          const patternkit::PropertySet& columns);
    void WriteListViewEvents(const patternkit::Emitter& out) const;
    void WriteCommands(const patternkit::Emitter& out) const;
    // The standard ending of the procedure `name` of this form.
    void End(const patternkit::Emitter& out, std::string_view name) const;

    patternkit::PropertySet mListProperties;
    patternkit::PropertySet mSearchProperties;
};

}  // namespace forms
