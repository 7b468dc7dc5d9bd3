#include "patternkit/StdUtilities.h"

#include "patternkit/CodeHeader.h"
#include "patternkit/ConstructorErrors.h"
#include "patternkit/Emitter.h"
#include "platform/ui/Interaction.h"

namespace patternkit {

std::optional<int16_t> StdUtilities::Build() {
    return vb::WithSource("StdUtilities.Build->", [this] { return BuildErrorDisplay(); });
}

int16_t StdUtilities::BuildErrorDisplay() {
    mCurrent.busObj = mBusinessObject;
    mProjectName = Application().L1ProjectName();
    int16_t result = Constructor().SetVBProject(mProjectName, "0");
    if (result != typelib::Success) {
        Common::DisplayConstructorError(result, mProjectName, mComponentName, mControlName);
        return typelib::Cancel_Construction;
    }
    mComponentName = "ErrorDisplay";
    result = Constructor().SetVBComponent(mProjectName, mComponentName, typelib::ClassModule, "");
    if (result != typelib::Success) {
        Common::DisplayConstructorError(result, mProjectName, mComponentName, mControlName,
                                        Constructor().FailureTold());
        return Common::ContinueAnswer() == ui::vbNo ? typelib::Cancel_Construction : typelib::Success;
    }
    Constructor().StartCoding();
    GenerateErrorDisplay();
    Constructor().FinishCoding();
    return typelib::Success;
}

void StdUtilities::GenerateErrorDisplay() {
    vb::WithSource("StdUtilities.GenerateErrorDisplay->", [this] {
        typelib::IConstructor& engine = Constructor();
        Common::WriteCodeHeader(engine);
        Emitter(engine).Emit(R"(
            |'*************************************************
            |'Layer 1: ErrorDisplay Class
            |'*************************************************
            |
            |'Utility class used by forms to format, display, and log errors.
            |'All form code patterns written by HalvernSoftware include a Sub called: DisplayError
            |'This sub passes the VB Error object to the ErrorDisplay class.
            |'Replace this class with your own for more elaborate error displays.
            |
            |Option Explicit
            |Option Base 1
            |Public Sub Show(objErr As Object)
            |    MsgBox objErr.Description, vbOkOnly, "Error!" ¶
            |End Sub
        )");
    });
}

}  // namespace patternkit
