#pragma once
// A loaded main window whose repository is a copy of the sample, with File > Open driven through its
// dialog.

#include <string>
#include <vector>

#include "builder/frmAppOpen.h"
#include "tests/builder/MainWindowFixture.h"

namespace builder_test {

class Sample : public MainWindow {
  protected:
    Sample() { UseSampleRepository(); }

    // File > Open, choosing the row `key` ("" for none) and pressing Open, then Cancel when the
    // dialog is still open.
    void Open(const std::string& key) {
        mScript.AnswerDialog([this, key](ui::ModalDialog& dialog) {
            auto& open = dynamic_cast<builder::frmAppOpen&>(dialog);
            mOpenRows = Rows(open.ApplicationListView());
            if (!key.empty())
                open.ApplicationListView().Select(key);
            open.cmdOK_Click();
            mOpenStayed = !open.IsUnloaded();
            if (mOpenStayed)
                open.cmdCancel_Click();
        });
        mForm.mnuFileOpen_Click();
    }

    std::vector<std::string> mOpenRows;
    bool mOpenStayed = false;
};

}  // namespace builder_test
