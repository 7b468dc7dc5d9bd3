#pragma once
// The detail form pattern ("Brisolet.StdDetailForm"): per business object, the form
// "frm" & name & "Detail" in the layer-1 project, through which the generated application adds, copies,
// deletes, shows and updates one object. Its code names only the controls the layout placed.
//
// Which file writes what:
//   StdDetailForm.cpp       Build: the sets, the form, its context frame, property controls and buttons
//   DetailFormCode.cpp      GenerateCode: header, declarations, entries, operations, OK, Cancel, load, unload
//   DetailFormDisplay.cpp   RefreshDisplay, the protection procedures and the business object's events
//   DetailFormEvents.cpp    the controls' event procedures, ReturnControl, DisplayErrorMsg, the closing lines

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formlayout/FormControls.h"
#include "formlayout/FormOptionButtons.h"
#include "patternkit/Emitter.h"
#include "patternkit/ModelSets.h"
#include "patternkit/NotingConstructor.h"
#include "patternkit/ProcedureSplitter.h"
#include "patterns/forms/ControlArrays.h"
#include "patterns/forms/FormPattern.h"

namespace forms {

class StdDetailForm : public FormPattern {
  public:
    StdDetailForm();

    // 0, or 10 when selecting the project or creating the form failed. Errors go on with
    // "StdDetailForm.Build->" in front of their source (after the generator's own prefix).
    std::optional<int16_t> Build() override;

    const patternkit::PropertySet& DetailProperties() const { return mDetailProperties; }
    const patternkit::PropertySet& ContextProperties() const { return mContextProperties; }

  private:
    // A button of an option list: the value as stored and the suffix of the button's name.
    struct ListButton {
        std::string value;
        std::string suffix;
    };

    int16_t BuildForm();
    void ChoosePropertySets();

    void GenerateCode();
    void WriteHeader(const patternkit::Emitter& out) const;
    void WriteDeclarations(const patternkit::Emitter& out);
    void WriteEntries(const patternkit::Emitter& out) const;
    void WriteOperations(const patternkit::Emitter& out) const;
    void WriteOKCancel(const patternkit::Emitter& out) const;
    // The procedures that grow with the properties are written through `splitter`.
    void WriteFormLoad(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    // Form_Load up to the Boolean lists' items, and the lines between them and the permitted values.
    void WriteFormLoadHead(const patternkit::Emitter& out);
    void WriteFormSetUp(const patternkit::Emitter& out) const;
    void WriteFormUnload(const patternkit::Emitter& out) const;

    void WriteRefreshDisplay(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    void WriteDisplayOf(const patternkit::Emitter& out, const typelib::IProperty& property) const;
    void WriteButtonsDisplay(const patternkit::Emitter& out, const typelib::IProperty& property) const;
    void WriteProtection(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
                         bool keysOnly);
    void WriteProtectionOf(const patternkit::Emitter& out, const typelib::IProperty& property,
                           bool keysOnly) const;
    void WriteEventHandlers(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    void WritePropertyRestrictionChanged(const patternkit::Emitter& out,
                                         patternkit::ProcedureSplitter& splitter);
    // The Case arm of one property.
    void WriteRestrictionOf(const patternkit::Emitter& out, const typelib::IProperty& property) const;
    void WriteCheckControls(const patternkit::Emitter& out) const;

    void WriteControlEvents(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter);
    // The property's control procedures; those of an array's controls are also called by the array's.
    void WriteEventsOf(const patternkit::Emitter& out, const typelib::IProperty& property,
                       ArrayEvents& arrayEvents) const;
    void WriteTextBoxEvents(const patternkit::Emitter& out, const typelib::IProperty& property) const;
    void WriteLookUpHandler(const patternkit::Emitter& out, const patternkit::Substitution& textBox,
                            const patternkit::Substitution& prefix) const;
    void WriteOptionEvents(const patternkit::Emitter& out, const typelib::IProperty& property,
                           ArrayEvents& arrayEvents) const;
    void WriteCheckBoxEvent(const patternkit::Emitter& out, const typelib::IProperty& property) const;
    // "Private Sub " & prefix & "&PropName_LostFocus()", which hands the control's text to the object.
    void WriteTextHandOver(const patternkit::Emitter& out, const typelib::IProperty& property,
                           std::string_view prefix, bool setFocus) const;
    // One control procedure: `body` then its edit point " Property " & DBID & `bodyPart`, and the error
    // handler of prefix & name & `handlerPart` with the edit point "Property" & DBID & `handlerPart`.
    // `afterHandler` follows the handler, then a blank line when asked, then "End Sub".
    struct ControlProcedure {
        std::string_view prefix;
        std::string bodyPart;
        std::string handlerPart;
        std::vector<std::string> afterHandler = {};
        bool blankBeforeEndSub = false;
    };
    void WriteControlEnding(const patternkit::Emitter& out, const typelib::IProperty& property,
                            const ControlProcedure& procedure) const;

    // The standard ending of one of the form's own procedures.
    void End(const patternkit::Emitter& out, std::string_view startName, std::string_view endName,
             std::string_view label, bool blankBeforeEndSub) const;
    // The option button of the value that `suffix` names in the property's group: the name it is placed
    // under, and how code names it.
    static std::string ButtonName(const typelib::IProperty& property, std::string_view suffix);
    std::string Button(const typelib::IProperty& property, std::string_view suffix) const;
    // The row of the control table of a property that got a control.
    static const formlayout::FormControl& PlacedRow(const typelib::IProperty& property);
    // The control that stands for the property on the form (an option group's frame), or "" when its
    // ControlType places none.
    static std::string MainControl(const typelib::IProperty& property);
    // How code names it: as MainControl, or as its member of an array.
    std::string MainControlReference(const typelib::IProperty& property) const;
    // How code names the control placed as RowControlName(prefix, property, suffix), in tokens unless it
    // joined an array.
    std::string Control(std::string_view prefix, const typelib::IProperty& property,
                        std::string_view suffix = {}) const {
        return ControlReference(mPlaced, prefix, property, suffix);
    }
    bool HasControl(const typelib::IProperty& property) const;
    bool Placed(const std::string& controlName) const { return mPlaced.Has(controlName); }
    // The buttons of a non-Boolean option list that the layout placed, each suffix once, named as
    // mOptionButtons names them.
    std::vector<ListButton> PlacedListButtons(const typelib::IProperty& property) const;
    // The owner of the property a virtual or foreign property stands for; "" when it has none.
    static std::string LookUpOwner(const typelib::IProperty& property);
    // Walks the detail properties that got a control, each as the current property.
    template <typename Writer>
    void ForEachPlaced(Writer writer);
    // The one of them at `index`, as the current property.
    const typelib::IProperty& PlacedProperty(std::size_t index);

    patternkit::BusinessObjectSet mChildren;
    patternkit::BusinessObjectSet mReferences;
    bool mHasParent = false;
    patternkit::PropertySet mDetailProperties;
    patternkit::PropertySet mContextProperties;
    std::vector<std::string>
        mRowNames;  // the names of the rows' controls, which the context frame keeps clear of
    formlayout::FormOptionButtons mOptionButtons;
    patternkit::PlacedControls mPlaced;
    patternkit::PropertySet mPlacedDetail;  // the detail properties that got a control, in their order
};

template <typename Writer>
inline void StdDetailForm::ForEachPlaced(Writer writer) {
    for (std::size_t index = 0; index < mPlacedDetail.size(); ++index)
        writer(PlacedProperty(index));
}

inline const typelib::IProperty& StdDetailForm::PlacedProperty(std::size_t index) {
    mCurrent.property = mPlacedDetail[index];
    return patternkit::Required(mCurrent.property);
}

}  // namespace forms
