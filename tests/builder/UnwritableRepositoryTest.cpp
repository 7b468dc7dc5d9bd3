// Each command that writes the repository at once, on a repository the system lets the builder read but
// not write (the file, or the folder where SQLite makes its journal): told whole, nothing changed, and
// done once the file or folder is writable again.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "builder/frmAppInfo.h"
#include "builder/frmToolOptions.h"
#include "tests/builder/MainWindowFixture.h"
#include "tests/core/TemporarySettings.h"
#include "tests/support/FileAccessAs.h"

namespace builder_test {
namespace {

namespace fs = std::filesystem;
using testing_support::FileAccessAs;

enum class Place { File, Folder };

std::string Bytes(const fs::path& file) {
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
}

void Replace(std::string& text, const std::string& name, const std::string& value) {
    text.replace(text.find(name), name.size(), value);
}

class Unwritable : public MainWindow {
  protected:
    void Popup(const std::string& nodeKey, const char* command) {
        Select(nodeKey);
        mForm.BusObjTreeView_MouseDown(2);
        mForm.RunMenuCommand(command);
    }

    TemporarySettings mSettings;
};

TEST_F(Unwritable, EveryCommandThatWritesAtOnceIsRefusedWholeAndTellsWhatToDo) {
    struct Case {
        std::string command;
        Place place;
        std::function<void()> setUp, run;
        std::string told;    // {file}: the repository; {folder}: its folder
        bool older = false;  // the repository is not the window's but one of an older format in "older"
    };
    const std::string file = "The repository {file} cannot be written: permission is denied. ";
    const std::string folder =
        "The repository {file} cannot be written: permission is denied in its folder "
        "{folder}, where each write first makes a journal file. ";
    const std::string deleted = "Nothing has been deleted. Make the ";
    const auto open = [this] { OpenFirstApplication(); };
    const std::vector<Case> cases = {
        {"File > Save", Place::File,
         [this] {
             OpenFirstApplication();
             mForm.Application()->SetDescription("edited");
             mForm.SetIsDataChanged(true);
         },
         [this] { mForm.RunMenuCommand("mnuFileSave"); },
         file + "Nothing has been saved; the window keeps your changes. Make the file writable, then save "
                "again."},
        {"the first save", Place::Folder,
         [this] { mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Invoice")); },
         [this] {
             mScript.AnswerDialog([](ui::ModalDialog& dialog) {
                 auto& info = dynamic_cast<builder::frmAppInfo&>(dialog);
                 info.SetNameText("Sales");
                 info.SetDSNorDatabaseText("/data/sales.mdb");
                 info.cmdOK_Click();
             });
             mForm.RunMenuCommand("mnuFileSave");
         },
         folder +
             "Nothing has been saved; the window keeps your changes. Make the folder writable, then save "
             "again."},
        {"File > Delete Application", Place::File, open,
         [this] {
             mScript.AnswerMsgBox(ui::vbYes);
             mForm.RunMenuCommand("mnuFileDelete");
         },
         file + deleted + "file writable, then delete it again."},
        {"the popup's Delete of a method", Place::Folder, open,
         [this] { Popup("Order.Methods.Ship", "mnuPropMethDelete"); },
         folder + deleted + "folder writable, then delete it again."},
        {"the popup's Delete Relationship", Place::File, open,
         [this] { Popup("Customer.Relationships.Relationship1", "mnuRelationshipDelete"); },
         file + deleted + "file writable, then delete it again."},
        {"Tool > Options choosing an older repository", Place::File, [] {},
         [this] {
             mScript.AnswerDialog([this](ui::ModalDialog& dialog) {
                 dynamic_cast<builder::frmToolOptions&>(dialog).txtAppDatabasePath =
                     (mFolder / "older").string();
                 dynamic_cast<builder::frmToolOptions&>(dialog).cmdOK_Click();
             });
             mForm.RunMenuCommand("mnuToolOptions");
         },
         file +
             "It is of an older format, which the builder brings up to date before it uses it; nothing has "
             "been opened. Make the file writable, then open it again.",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        mForm.Unload();
        fs::copy_file(SampleRepository(), mFolder / "vbostrel.mdb", fs::copy_options::overwrite_existing);
        const fs::path repository = (c.older ? mFolder / "older" : mFolder.Path()) / "vbostrel.mdb";
        if (c.older) {
            fs::create_directory(repository.parent_path());
            fs::copy_file(SampleRepository(), repository);
            dao::SqliteDatabase::Open(repository, dao::OpenMode::ReadWrite)
                ->Execute(R"sql(DROP TABLE "VBOstrel")sql");
        }
        fs::permissions(repository, c.place == Place::File ? fs::perms(0444) : fs::perms(0666));
        fs::permissions(repository.parent_path(), c.place == Place::File ? fs::perms(0755) : fs::perms(0555));
        const std::string before = Bytes(repository);
        {
            const FileAccessAs person(FileAccessAs::Unprivileged());
            mForm.Show();
            c.setUp();
            const auto model = std::tuple(mForm.Application(), TreeKeys(), mForm.IsAppOpened(),
                                          mForm.IsDataChanged(), mForm.dbZUN()->Path());
            c.run();
            EXPECT_EQ(std::tuple(mForm.Application(), TreeKeys(), mForm.IsAppOpened(), mForm.IsDataChanged(),
                                 mForm.dbZUN()->Path()),
                      model);
        }
        std::string told = c.told;
        Replace(told, "{file}", repository.string());
        if (c.place == Place::Folder)
            Replace(told, "{folder}", repository.parent_path().string());
        const auto messages = Messages();
        EXPECT_EQ(messages.empty() ? "" : messages.back(), told + " (10, Error - Database Not Writable)");
        EXPECT_EQ(mForm.StatusText(), "Ready...");
        EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);
        EXPECT_TRUE(Bytes(repository) == before);

        fs::permissions(repository, fs::perms(0644));
        fs::permissions(repository.parent_path(), fs::perms(0755));
        c.run();
        EXPECT_FALSE(Bytes(repository) == before);
        mForm.SetIsDataChanged(false);
    }
}

}  // namespace
}  // namespace builder_test
