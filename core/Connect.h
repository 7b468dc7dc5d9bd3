#pragma once
// The class through which the IDE loads and unloads the add-in: a "VB Ostrel..." button on the IDE's
// "Add-Ins" bar shows the main window, and whether the window was shown at disconnection is remembered
// for the next connection. Before the IDE closes, the main window closes as by its own File > Exit, and
// keeps the IDE open when the save it offers does not happen.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/MainWindow.h"
#include "platform/ide/AddIn.h"
#include "platform/ide/CommandBars.h"
#include "platform/vb/Error.h"
#include "platform/vb/Object.h"

namespace core {

class Connect : public vb::Object,
                public vbide::IDTExtensibility,
                public vbide::IDTShutdownQuery,
                public std::enable_shared_from_this<Connect> {
  public:
    // Held by shared_ptr only: the button's click handler and the main window refer back to it weakly.
    explicit Connect(MainWindowFactory createMainWindow);

    bool FormDisplayed() const { return mFormDisplayed; }
    void SetFormDisplayed(bool value) { mFormDisplayed = value; }
    const std::shared_ptr<vbide::VBE>& VBInstance() const { return mVBInstance; }
    void SetVBInstance(std::shared_ptr<vbide::VBE> value) { mVBInstance = std::move(value); }
    // The click events of the add-in's button; assigning another source stops listening to the one before.
    const std::shared_ptr<vbide::CommandBarEvents>& MenuHandler() const { return mMenuHandler; }
    void SetMenuHandler(std::shared_ptr<vbide::CommandBarEvents> value);

    // Both ignore failures: a failing step is skipped and the next one runs.
    void Hide();
    void Show();
    // A new button with the caption on the "Add-Ins" bar, or nothing when that fails.
    std::shared_ptr<vbide::CommandBarControl> AddToAddInCommandBar(const std::string& sCaption);

    void OnConnection(const std::shared_ptr<vbide::VBE>& application, vbide::ext_ConnectMode connectMode,
                      const vb::ObjectPtr& addInInst, std::vector<vb::Variant>& custom) override;
    void OnDisconnection(vbide::ext_DisconnectMode removeMode, std::vector<vb::Variant>& custom) override;
    void OnStartupComplete(std::vector<vb::Variant>& custom) override;
    void OnAddInsUpdate(std::vector<vb::Variant>& custom) override;
    void OnQueryShutdown(bool& cancel) override;

  private:
    // The steps of Show, each one skipped when it fails; the first failure is returned.
    std::optional<vb::Error> ShowMainWindow();
    void MenuHandler_Click();

    MainWindowFactory mCreateMainWindow;
    bool mFormDisplayed = false;
    std::shared_ptr<vbide::VBE> mVBInstance;
    std::shared_ptr<vbide::CommandBarEvents> mMenuHandler;
    std::shared_ptr<vbide::CommandBarControl> mMenuButton;
    std::shared_ptr<MainWindow> mMainWindow;
};

}  // namespace core
