#include "core/frmBuildOptions.h"

#include "core/HelpFile.h"

namespace core {
namespace {

// The IDE project type each list offers: 0 standard EXE, 1 ActiveX EXE, 2 ActiveX DLL.
constexpr int16_t kListType[frmBuildOptions::kListCount] = {0, 0, 1, 0, 2, 1};

}  // namespace

void frmBuildOptions::Form_Load() {
    for (auto& entries : mEntries)
        entries.clear();
    for (size_t i = 0; i < mProjectNames.size() && i < mProjectTypes.size(); ++i) {
        for (int list = 0; list < kListCount; ++list) {
            if (kListType[list] == mProjectTypes[i])
                mEntries[list].push_back(mProjectNames[i]);
        }
    }
    for (int list = 0; list < kListCount; ++list) {
        const bool selectFirst = list == cmb1Tier || list == cmb2TierA || list == cmb3TierA;
        mSelected[list] = selectFirst && !mEntries[list].empty() ? 1 : 0;
    }
    mOption = Option::SingleTier;
}

void frmBuildOptions::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

std::string frmBuildOptions::Text(List list) const {
    const int32_t selected = mSelected[list];
    if (selected < 1 || selected > static_cast<int32_t>(mEntries[list].size()))
        return {};
    return mEntries[list][static_cast<size_t>(selected - 1)];
}

void frmBuildOptions::cmdOK_Click() {
    switch (mOption) {
        case Option::SingleTier:
            mArchitecture = "1";
            mL1 = mL2 = mL3 = Text(cmb1Tier);
            break;
        case Option::TwoTier:
            mArchitecture = "2";
            mL1 = mL2 = Text(cmb2TierA);
            mL3 = Text(cmb2TierB);
            break;
        case Option::ThreeTier:
            mArchitecture = "3";
            mL1 = Text(cmb3TierA);
            mL2 = Text(cmb3TierB);
            mL3 = Text(cmb3TierC);
            break;
    }
}

void frmBuildOptions::cmdHelp_Click() const {
    ShowHelpTopic(kHelpContext);
}

}  // namespace core
