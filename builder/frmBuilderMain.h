#pragma once
// The add-in's main window, as far as the add-in's connection and its shared procedures need it: the
// IDE and the connection it is handed, the one tool properties object it creates when it loads, and the
// status bar whose first panel shows the status text while the window is loaded.

#include <memory>
#include <string>

#include "core/MainWindow.h"
#include "core/StatusSink.h"
#include "core/qelToolProperties.h"
#include "platform/ui/Interaction.h"

namespace builder {

class frmBuilderMain : public core::MainWindow, public core::StatusSink, public ui::ModelessWindow {
  public:
    const std::shared_ptr<vbide::VBE>& VBInstance() const { return mVBInstance; }
    void SetVBInstance(std::shared_ptr<vbide::VBE> vbInstance) override {
        mVBInstance = std::move(vbInstance);
    }
    // The connection that created the window, or nothing once it is gone.
    std::shared_ptr<core::Connect> Connect() const { return mConnect.lock(); }
    void SetConnect(std::weak_ptr<core::Connect> connect) override { mConnect = std::move(connect); }

    void Show() override;
    void Hide() override;
    void Unload() override;

    bool IsLoaded() const { return mLoaded; }
    // Set while the window is loaded.
    const std::shared_ptr<core::qelToolProperties>& ToolProperties() const { return mToolProperties; }
    // The first panel of the status bar.
    const std::string& StatusText() const { return mStatusText; }

    void ShowStatusText(const std::string& text) override;

    std::string WindowName() const override { return "frmBuilderMain"; }
    void ShowWidget() override;
    void CloseWidget() override;

  private:
    void Form_Load();

    bool mLoaded = false;
    std::shared_ptr<vbide::VBE> mVBInstance;
    std::weak_ptr<core::Connect> mConnect;
    std::shared_ptr<core::qelToolProperties> mToolProperties;
    std::string mStatusText;
    std::unique_ptr<core::ScopedStatusSink> mStatusSink;
    std::unique_ptr<ui::ModelessView> mView;
};

}  // namespace builder
