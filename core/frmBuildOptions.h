#pragma once
// The build options dialog: the application's architecture and, for each layer, which open IDE project
// of the fitting type receives the generated components.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Interaction.h"

namespace core {

class frmBuildOptions : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 67;

    enum class Option { SingleTier, TwoTier, ThreeTier };
    // The six project lists, each offered the projects of one IDE project type.
    enum List { cmb1Tier, cmb2TierA, cmb2TierB, cmb3TierA, cmb3TierB, cmb3TierC, kListCount };

    const std::string& AppArchitecture() const { return mArchitecture; }
    void SetProjectNames(std::vector<std::string> names) { mProjectNames = std::move(names); }
    void SetProjectTypes(std::vector<int16_t> types) { mProjectTypes = std::move(types); }
    const std::string& L1ProjectName() const { return mL1; }
    const std::string& L2ProjectName() const { return mL2; }
    const std::string& L3ProjectName() const { return mL3; }

    // Loads the dialog and shows it modally.
    void Show();

    // What the form shows and what a person does on it.
    const std::vector<std::string>& Entries(List list) const { return mEntries[list]; }
    // The selected entry's text ("" when none is selected).
    std::string Text(List list) const;
    void Select(List list, int32_t entry) { mSelected[list] = entry; }
    Option SelectedOption() const { return mOption; }
    void SelectOption(Option option) { mOption = option; }
    void cmdOK_Click();
    void cmdHelp_Click() const;

    std::string DialogName() const override { return "frmBuildOptions"; }
    void ShowWidget() override;

  private:
    void Form_Load();

    std::vector<std::string> mProjectNames;
    std::vector<int16_t> mProjectTypes;
    std::string mArchitecture, mL1, mL2, mL3;

    std::vector<std::string> mEntries[kListCount];
    int32_t mSelected[kListCount] = {};  // 0 for none, else the entry's number from 1
    Option mOption = Option::SingleTier;
};

}  // namespace core
