#pragma once
// The startup-form pattern ("Brisolet.StdStartupForm"), run once per generation run after the patterns of
// the business objects: into the layer-1 project, made the start-up project, it writes the startup form
// (a button per top-level business object built in this run), the logon form and the module Common.
//
// Which file writes what:
//   StdStartupForm.cpp   Build: the three components and the buttons
//   StartupFormCode.cpp  GenerateStartUpCode: the startup form's code
//   LogonFormCode.cpp    GenerateLogonCode: the logon form's code
//   CommonLayer1.cpp     GenerateCommonLayer1: the module Common (Main, DBConnect, LoadControl, SetControl)

#include <cstdint>
#include <optional>

#include "patterns/forms/FormPattern.h"

namespace forms {

class StdStartupForm : public FormPattern {
  public:
    StdStartupForm();

    // 0, or 10 when an engine failure ended the build. Errors go on with "StdStartupForm.Build->" in
    // front of their source (after the generator's own prefix).
    std::optional<int16_t> Build() override;

  private:
    int16_t BuildComponents();
    // The buttons of step 6, one column after the other.
    bool PlaceButtons();

    void GenerateStartUpCode();
    void GenerateLogonCode();
    void GenerateCommonLayer1();

    // The application's business objects, as Build took them.
    patternkit::BusinessObjectSet mBusinessObjects;
};

// Built in this run and the identifying child of no other: the business objects with a button.
bool IsTopLevel(const typelib::IBusinessObject& businessObject);

}  // namespace forms
