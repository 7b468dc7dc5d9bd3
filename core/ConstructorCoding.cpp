// The engine's members for a component once it exists: its properties, the controls of a form, and its
// code, written one line at a time.

#include <exception>
#include <vector>

#include "core/ModuleLimits.h"
#include "core/ObjectAccess.h"
#include "core/qelApplication.h"
#include "core/qelConstructor.h"
#include "platform/ide/VBE.h"
#include "platform/vb/ContinuedLine.h"
#include "platform/vb/Limits.h"
#include "platform/vb/LimitsMeasured.h"
#include "typelib/IBusinessObject.h"

namespace core {
namespace {

// Each line of `text` as the lines VB reads it as.
std::string ContinuedLines(std::string_view text) {
    std::string lines;
    for (size_t from = 0;;) {
        const size_t end = text.find_first_of("\r\n", from);
        for (const std::string& line : vb::ContinuedLine(text.substr(from, end - from)))
            lines += line + "\r\n";
        if (end == std::string_view::npos) {
            lines.resize(lines.size() - 2);
            return lines;
        }
        from = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

}  // namespace

int16_t qelConstructor::SetVBComponentProperty(const std::string& propertyName,
                                               const vb::Variant& propertyValue) {
    if (!mProjectSet)
        return typelib::Project_Not_Specified;
    try {
        Required(mCurComponent).Properties(propertyName)->SetValue(propertyValue);
    } catch (const std::exception&) {
        return typelib::Component_Not_Specified;
    }
    return typelib::Success;
}

int32_t qelConstructor::SetVBControl(const std::string& controlName, const std::string& guiId) {
    if (!mProjectSet)
        return typelib::Project_Not_Specified;
    if (!mDesignerSet)
        return typelib::Component_Not_Specified;
    auto& controls = mCurDesigner->VBControls();  // set together with mDesignerSet
    const int32_t before = controls.Count();
    try {
        mCurControl = controls.Add(guiId, controlName);
    } catch (const std::exception&) {
        // A refused name leaves the control under the name the designer gave it; the pattern's next
        // properties go to that control, not to the one before it.
        if (controls.Count() > before)
            mCurControl = controls.Item(controls.Count());
        return typelib::Control_Not_Created;
    }
    mControlSet = true;
    return typelib::Success;
}

int16_t qelConstructor::SetVBControlProperty(const std::string& propertyName,
                                             const vb::Variant& propertyValue) {
    if (!mProjectSet)
        return typelib::Project_Not_Specified;
    if (!mDesignerSet)
        return typelib::Component_Not_Specified;
    if (!mControlSet)
        return typelib::Control_Not_Specified;
    try {
        // Straight to the control: a Property object would look the name up once more.
        Required(mCurControl).SetPropertyValue(propertyName, propertyValue);
    } catch (const std::exception&) {
        return typelib::Control_Not_Created;
    }
    return typelib::Success;
}

void qelConstructor::AddVBControlToFrame(const std::string& controlName, const std::string& frameName) {
    const auto& controls = Required(mCurDesigner).VBControls();
    controls.Item(controlName)->SetContainer(controls.Item(frameName));
}

vb::Variant qelConstructor::GetVBControlProperty(const std::string& propertyName) {
    if (!mProjectSet)
        return int16_t{typelib::Project_Not_Specified};
    if (!mDesignerSet)
        return int16_t{typelib::Component_Not_Specified};
    try {
        return Required(mCurControl).Properties(propertyName)->Value();
    } catch (const std::exception&) {
        return int16_t{typelib::Control_Not_Created};
    }
}

void qelConstructor::StartCoding() {
    const std::string application = Required(mApplication).Name();
    const std::string businessObject = Required(mBusObj).Name();
    const std::string component = Required(mCurComponent).Name();
    const std::string project = Required(mCurProject).Name();
    mMonitor.BeginConstruction(application, businessObject, component, project);
    mLinesInComponent = 0;
}

void qelConstructor::Code(std::string_view line) {
    Insert(SubstituteTokens(line));
}

void qelConstructor::CodeResolved(std::string_view text) {
    Insert(text);
}

void qelConstructor::Insert(std::string_view text) {
    // Text holding line breaks is several lines: each is counted, so that the next line goes below them.
    auto& code = *Required(mCurComponent).CodeModule();
    const int32_t before = code.CountOfLines();
    // A line longer than VB reads is written as the lines it reads it as.
    if (text.size() <= static_cast<size_t>(vb::kMaxLineLength) || !vb::LimitsMeasured())
        code.InsertLines(mLinesInComponent + 1, text);
    else
        code.InsertLines(mLinesInComponent + 1, ContinuedLines(text));
    mLinesInComponent += code.CountOfLines() - before;
}

void qelConstructor::FinishCoding() {
    const std::string name = Required(mCurComponent).Name();
    mMonitor.EndConstruction(name, mLinesInComponent);

    // Captions are the IDE's; a window belongs to the component when its caption holds either text.
    const std::string codeCaption = name + " (Code)";
    const std::string formCaption = name + " (Form)";
    auto& windows = Required(mVBI).Windows();
    const std::vector<std::shared_ptr<vbide::Window>> open(windows.begin(), windows.end());
    for (const auto& window : open) {
        const std::string caption = window->Caption();
        if (caption.find(codeCaption) != std::string::npos || caption.find(formCaption) != std::string::npos)
            window->Close();
    }

    const std::vector<KeptCode> kept = mEditPointsSaved ? RestoreEditPoints() : std::vector<KeptCode>();
    ReferToWhatTheCodeNames();
    // The patterns keep within VB's limits; a module past one never reaches a save as if it were sound.
    const std::vector<ModuleLimitBreach> breaches =
        vb::LimitsMeasured() ? ModuleLimitBreaches(*mCurComponent, kept) : std::vector<ModuleLimitBreach>();

    mCurComponent.reset();
    mCurDesigner.reset();
    mCurControl.reset();
    mComponentSet = mDesignerSet = mControlSet = false;
    if (!breaches.empty())
        throw UnloadableModule(Required(mCurProject).Name(), name, mBusObj ? mBusObj->Name() : std::string(),
                               breaches);
}

}  // namespace core
