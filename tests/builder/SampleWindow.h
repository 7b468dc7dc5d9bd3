#pragma once
// A loaded main window whose repository is a copy of the sample, with File > Open driven through its
// dialog and the repository's row counts.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "builder/frmAppOpen.h"
#include "repository/RepositorySchema.h"
#include "tests/builder/MainWindowFixture.h"

namespace builder_test {

inline std::filesystem::path SampleRepository() {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    return std::filesystem::path(binary ? binary : ".") / "samples" / "vbostrel.mdb";
}

class Sample : public MainWindow {
  protected:
    Sample() {
        // The window opened an empty repository at load; put the sample in its place and load again.
        mForm.Unload();
        std::filesystem::copy_file(SampleRepository(), mFolder.Path() / "vbostrel.mdb",
                                   std::filesystem::copy_options::overwrite_existing);
        mForm.Show();
    }

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

    std::map<std::string, int> RowCounts() {
        std::map<std::string, int> counts;
        for (const auto& table : repository::RepositoryTables())
            counts[table.Name] = static_cast<int>(mForm.dbZUN()->Select(table.Name).Count());
        return counts;
    }

    std::vector<std::string> mOpenRows;
    bool mOpenStayed = false;
};

}  // namespace builder_test
