#include "patternkit/ConstructorErrors.h"

#include "platform/ui/Interaction.h"
#include "typelib/IConstructor.h"

namespace patternkit::Common {
namespace {

int16_t gContinueAnswer = 0;

constexpr const char* kTitle = " Error!";

void Tell(const std::string& prompt) {
    ui::CurrentInteraction().MsgBox(prompt, ui::vbOKOnly, kTitle);
}

void Ask(const std::string& prompt) {
    gContinueAnswer = static_cast<int16_t>(ui::CurrentInteraction().MsgBox(prompt, ui::vbYesNo, kTitle));
}

}  // namespace

void DisplayConstructorError(int16_t returnCode, const std::string& projectName,
                             const std::string& componentName, const std::string& controlName,
                             bool causeTold) {
    switch (returnCode) {
        case typelib::Project_Not_Found:
            Tell("The project: " + projectName + " does not exist.  Ending execution.");
            break;
        case typelib::Project_Not_Created:
            Tell("The project: " + projectName +
                 " could not be created. A project with the same name already exists or the name is not a "
                 "valid "
                 "Visual Basic name. Ending execution.");
            break;
        case typelib::Project_Not_Specified:
            Tell("The project: " + projectName +
                 " could not be used.  Use the SetVBProject method before referencing a project in another "
                 "method. Ending execution.");
            break;
        case typelib::Component_Not_Created:
            Ask("The component: " + componentName + " could not be created." +
                (causeTold
                     ? std::string()
                     : " A component with the same name already exists or the name is not a valid Visual "
                       "Basic name.") +
                " Do you want to continue.");
            break;
        case typelib::Component_Not_Specified:
            Ask("The component: " + componentName +
                " could not be used. Use set SetVBComponent method before referencing a component in another "
                "method. Do you want to continue.");
            break;
        case typelib::Control_Not_Created:
            Ask("The control: " + controlName +
                " could not be created. A control with the same name already exists, the name is not a valid "
                "Visual Basic name, or the ProgID is invalid. Do you want to continue.");
            break;
        case typelib::Control_Not_Specified:
            Ask("The control: " + controlName +
                " could not be used.  Use the SetVBControl method before referencing a control in another "
                "method. Do you want to continue.");
            break;
        case typelib::Cancel_Construction:
            gContinueAnswer = ui::vbNo;
            break;
        default:
            gContinueAnswer = ui::vbYes;
            break;
    }
}

int16_t ContinueAnswer() {
    return gContinueAnswer;
}

void ResetContinueAnswerForTesting() {
    gContinueAnswer = 0;
}

}  // namespace patternkit::Common
