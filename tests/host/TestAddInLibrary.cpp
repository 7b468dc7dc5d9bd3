// Add-ins for the IDE's tests, loaded by ProgID as a real add-in is: one that puts a button on the
// "Add-Ins" bar and counts its clicks, and one whose connection fails.

#include <memory>

#include "platform/automation/ClassTable.h"
#include "platform/vb/Error.h"
#include "tests/host/RecordingAddIn.h"

namespace {

class ButtonAddIn : public RecordingAddIn, public vb::Object {
  public:
    void OnConnection(const std::shared_ptr<vbide::VBE>& application, vbide::ext_ConnectMode connectMode,
                      const vb::ObjectPtr&, std::vector<vb::Variant>&) override {
        mCalls.push_back("OnConnection " + std::to_string(connectMode));
        mButton = application->CommandBars().Item("Add-Ins")->Controls().Add(vbide::msoControlButton);
        mButton->SetCaption(Caption());
        mEvents = application->Events().CommandBarEvents(mButton);
        mEvents->OnClick([this](const auto&, bool&, bool&) { ++mClicks; });
    }
    void OnDisconnection(vbide::ext_DisconnectMode removeMode, std::vector<vb::Variant>&) override {
        mCalls.push_back("OnDisconnection " + std::to_string(removeMode));
        mButton->Delete();
    }
    void OnStartupComplete(std::vector<vb::Variant>&) override { mCalls.push_back("OnStartupComplete"); }
    void OnAddInsUpdate(std::vector<vb::Variant>&) override { mCalls.push_back("OnAddInsUpdate"); }

    const std::vector<std::string>& Calls() const override { return mCalls; }
    int Clicks() const override { return mClicks; }

  protected:
    virtual std::string Caption() const { return kTestButtonCaption; }

  private:
    std::vector<std::string> mCalls;
    std::shared_ptr<vbide::CommandBarControl> mButton;
    std::shared_ptr<vbide::CommandBarEvents> mEvents;
    int mClicks = 0;
};

class OtherButtonAddIn : public ButtonAddIn {
    std::string Caption() const override { return kOtherButtonCaption; }
};

class FailingAddIn : public ButtonAddIn {
  public:
    void OnConnection(const std::shared_ptr<vbide::VBE>&, vbide::ext_ConnectMode, const vb::ObjectPtr&,
                      std::vector<vb::Variant>&) override {
        vb::Raise(vb::kObjectNotSet, "FailingAddIn.OnConnection");
    }
};

}  // namespace

OSTREL_EXPORT_CLASSES(automation::ClassOf<ButtonAddIn>(kTestAddIn),
                      automation::ClassOf<OtherButtonAddIn>(kOtherTestAddIn),
                      automation::ClassOf<FailingAddIn>(kFailingAddIn))
