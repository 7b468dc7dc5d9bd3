#include "core/Connect.h"

#include "core/AddInTitle.h"
#include "core/ObjectAccess.h"
#include "core/frmErrorDisplayUtil.h"
#include "platform/ui/Interaction.h"
#include "platform/ui/Settings.h"

namespace core {
namespace {

constexpr const char* kButtonCaption = "VB Ostrel...";
constexpr const char* kAddInsBar = "Add-Ins";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kDisplayOnConnect = "DisplayOnConnect";

// VB's On Error Resume Next around one step: a failing step is skipped, and the first failure is kept.
template <typename Step>
void ResumeNext(std::optional<vb::Error>& firstFailure, Step&& step) {
    try {
        step();
    } catch (const vb::Error& error) {
        if (!firstFailure)
            firstFailure = error;
    }
}

}  // namespace

Connect::Connect(MainWindowFactory createMainWindow) : mCreateMainWindow(std::move(createMainWindow)) {}

void Connect::SetMenuHandler(std::shared_ptr<vbide::CommandBarEvents> value) {
    if (value == mMenuHandler)
        return;
    mMenuHandler = std::move(value);
    if (!mMenuHandler)
        return;
    // A source that is no longer the handler stays silent, as a replaced WithEvents variable does.
    const vbide::CommandBarEvents* source = mMenuHandler.get();
    mMenuHandler->OnClick([self = weak_from_this(), source](const auto&, bool&, bool&) {
        if (auto connect = self.lock(); connect && connect->mMenuHandler.get() == source)
            connect->MenuHandler_Click();
    });
}

std::optional<vb::Error> Connect::ShowMainWindow() {
    std::optional<vb::Error> firstFailure;
    ResumeNext(firstFailure, [&] {
        if (mMainWindow)
            return;
        if (!mCreateMainWindow)
            vb::Raise(vb::kCannotCreateObject, "frmBuilderMain");
        mMainWindow = mCreateMainWindow();
    });
    ResumeNext(firstFailure, [&] { Required(mMainWindow).SetVBInstance(mVBInstance); });
    ResumeNext(firstFailure, [&] { Required(mMainWindow).SetConnect(weak_from_this()); });
    mFormDisplayed = true;
    ResumeNext(firstFailure, [&] { Required(mMainWindow).Show(); });
    return firstFailure;
}

void Connect::Show() {
    ShowMainWindow();
}

void Connect::Hide() {
    mFormDisplayed = false;
    std::optional<vb::Error> ignored;
    ResumeNext(ignored, [&] { Required(mMainWindow).Hide(); });
}

void Connect::MenuHandler_Click() {
    if (auto failure = ShowMainWindow())
        ReportUnexpectedError(*failure, "MenuHandler_Click");
}

std::shared_ptr<vbide::CommandBarControl> Connect::AddToAddInCommandBar(const std::string& sCaption) {
    try {
        const auto bar = Required(mVBInstance).CommandBars().Item(kAddInsBar);
        auto button = bar->Controls().Add(vbide::msoControlButton);
        button->SetCaption(sCaption);
        return button;
    } catch (const vb::Error&) {
        return nullptr;
    }
}

void Connect::OnConnection(const std::shared_ptr<vbide::VBE>& application, vbide::ext_ConnectMode connectMode,
                           const vb::ObjectPtr& /*addInInst*/, std::vector<vb::Variant>& /*custom*/) {
    // A window that was asked for and does not show is reported like any other failure here.
    const auto showOrRaise = [this] {
        if (auto failure = ShowMainWindow())
            throw *failure;
    };
    try {
        SetVBInstance(application);
        if (connectMode != vbide::ext_cm_External) {
            mMenuButton = AddToAddInCommandBar(kButtonCaption);
            SetMenuHandler(Required(mVBInstance).Events().CommandBarEvents(mMenuButton));
        } else {
            showOrRaise();
        }
        if (connectMode == vbide::ext_cm_AfterStartup &&
            ui::GetSetting(kAddInTitle, kSettingsSection, kDisplayOnConnect, "0") == "1") {
            showOrRaise();
        }
    } catch (const vb::Error& error) {
        ui::MsgBox(error.Description(), ui::vbOKOnly, "Error");
    }
}

void Connect::OnDisconnection(vbide::ext_DisconnectMode /*removeMode*/,
                              std::vector<vb::Variant>& /*custom*/) {
    std::optional<vb::Error> ignored;
    ResumeNext(ignored, [&] { Required(mMenuButton).Delete(); });
    ResumeNext(ignored, [&] {
        if (mFormDisplayed) {
            ui::SaveSetting(kAddInTitle, kSettingsSection, kDisplayOnConnect, "1");
            mFormDisplayed = false;
        } else {
            ui::SaveSetting(kAddInTitle, kSettingsSection, kDisplayOnConnect, "0");
        }
    });
    ResumeNext(ignored, [&] { Required(mMainWindow).Unload(); });
    mMainWindow.reset();
}

void Connect::OnStartupComplete(std::vector<vb::Variant>& /*custom*/) {}

void Connect::OnAddInsUpdate(std::vector<vb::Variant>& /*custom*/) {}

void Connect::OnQueryShutdown(bool& cancel) {
    cancel = mMainWindow && !mMainWindow->QueryUnload();
}

}  // namespace core
