// Where the menus, the toolbar, the popup and double clicks send their commands, and the build commands.

#include <gtest/gtest.h>

#include "core/BuildEngine.h"
#include "core/frmCodeGeneration.h"
#include "tests/builder/MainWindowFixture.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

// The dialogs as the window reaches them: each opening is written down with the context it found.
class RecordingDialogs : public builder::BuilderDialogs {
  public:
    RecordingDialogs(const builder::frmBuilderMain& form, Lines& log) : mForm(form), mLog(log) {}

    void NewBusinessObject() override { Note("NewBusinessObject"); }
    void NewProperty() override { Note("NewProperty"); }
    void NewMethod() override { Note("NewMethod"); }
    void NewRelationship() override { Note("NewRelationship"); }
    void EditProperty(const std::string& key, bool fresh) override {
        Note("EditProperty " + key + (fresh ? " fresh" : ""));
    }
    void EditMethod(const std::string& key, bool fresh) override {
        Note("EditMethod " + key + (fresh ? " fresh" : ""));
    }
    void EditRelationship(const std::string& name) override { Note("EditRelationship " + name); }

  private:
    void Note(const std::string& what) {
        mLog.push_back(what + (mForm.IsTreeContext() ? " (tree)" : "") +
                       (mForm.CurrentBusObj() ? " @" + mForm.CurrentBusObj()->Name() : ""));
    }

    const builder::frmBuilderMain& mForm;
    Lines& mLog;
};

// An engine that writes down what it is asked to build.
class RecordingEngine : public core::BuildEngine {
  public:
    explicit RecordingEngine(Lines& log) : mLog(log) {}
    int16_t BuildPattern(std::shared_ptr<vbide::VBE>, std::shared_ptr<core::qelApplication>,
                         std::shared_ptr<core::qelBusinessObject> businessObject, const std::string& pattern,
                         std::shared_ptr<core::qelToolProperties>) override {
        mLog.push_back(pattern + " " + businessObject->Name());
        return 0;
    }
    void GenerationComplete() override {}

  private:
    Lines& mLog;
};

class Commands : public MainWindow {
  protected:
    Commands() {
        mForm.SetDialogs(std::make_unique<RecordingDialogs>(mForm, mOpened));
        // Import and Synchronize have tests of their own (ImportWindowTest); here they are disabled.
        mForm.SetImportCommands(nullptr);
        for (const char* name : {"Customer", "Order"})
            mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject(name));
        mForm.myPropertyForm_PropertyAdded(NewProperty("Order", "Total"));
        const auto& objects = *mForm.Application()->BusinessObjects();
        mForm.myRelationshipForm_RelationshipAdded(
            NewRelationship(*mForm.Application(), objects.Item("Order"), objects.Item("Order")));
        mForm.SetContext(Context::None);
        mForm.SetCurrentBusObj(nullptr);
    }
    Lines mOpened;
};

TEST_F(Commands, MenusAndToolbarReachTheirDialogs) {
    struct Case {
        std::string command;  // a menu item, or "tool:" and a toolbar key
        std::string opened;   // "" for nothing
    };
    const std::vector<Case> cases = {
        {"mnuBusObjNew", "NewBusinessObject"},
        {"mnuBusObjAddProperty", "NewProperty (tree)"},
        {"mnuBusObjAddMethod", "NewMethod (tree)"},
        {"mnuBusObjAddRelationship", "NewRelationship (tree)"},
        {"mnuPropertyNew", "NewProperty"},
        {"mnuMethodNew", "NewMethod"},
        {"mnuRelationshipNew", "NewRelationship"},
        {"mnuRelationshipDelete", ""},  // no context: the window deletes nothing itself
        {"tool:BusObj", "NewBusinessObject"},
        {"tool:Property", "NewProperty (tree)"},
        {"tool:Method", "NewMethod (tree)"},
        {"tool:Relationship", "NewRelationship"},  // no tree context
        // Disabled: no action, or no import.
        {"mnuFileImport", ""},
        {"mnuFileSyncApplication", ""},
        {"tool:Import", ""},
        {"mnuFilePattern", ""},
        {"mnuWindowNew", ""},
        {"tool:Unknown", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        mForm.SetContext(Context::None);
        mOpened.clear();
        if (c.command.starts_with("tool:"))
            mForm.tlbToolBar_ButtonClick(c.command.substr(5));
        else
            mForm.RunMenuCommand(c.command);
        EXPECT_EQ(mOpened, c.opened.empty() ? Lines{} : Lines{c.opened});
    }
    mForm.RunMenuCommand("mnuHelpVBOstrel");
    ASSERT_EQ(mScript.HelpShown().size(), 1u);
    EXPECT_EQ(mScript.HelpShown()[0].second, 1506);
    EXPECT_FALSE(mForm.MenuVisible("mnuStartHere"));
    EXPECT_FALSE(mForm.MenuEnabled("mnuDesObjNew"));
}

TEST_F(Commands, EditOpensTheItemOfTheContextAndClearsItsFlag) {
    struct Case {
        std::string what;
        std::function<void()> setUp;
        std::string opened;
    };
    auto& views = mForm.Views();
    const std::vector<Case> cases = {
        {"property row",
         [&] {
             views.PropertyListView.Select("Order.Properties.Total");
             mForm.ListView_MouseDown(ListTab::Properties, 2);
         },
         "EditProperty Order.Properties.Total @Order"},
        {"method row",
         [&] {
             views.MethodListView.Select("Customer.Methods.Read");
             mForm.ListView_MouseDown(ListTab::Methods, 2);
         },
         "EditMethod Customer.Methods.Read @Customer"},
        {"property leaf",
         [&] {
             Select("Order.Properties.Total");
             mForm.BusObjTreeView_MouseDown(2);
         },
         "EditProperty Order.Properties.Total fresh @Order"},
        {"recursive relationship leaf",
         [&] {
             Select("Order.RelationshipsRecursive.Relationship1");
             mForm.BusObjTreeView_MouseDown(2);
         },
         "EditRelationship Relationship1 @Order"},
        {"group node",
         [&] {
             Select("Order.Methods");
             mForm.BusObjTreeView_MouseDown(2);
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mOpened.clear();
        c.setUp();
        mForm.mnuPropMethEdit_Click();
        EXPECT_EQ(mOpened, c.opened.empty() ? Lines{} : Lines{c.opened});
        EXPECT_EQ(mForm.CurrentContext(), Context::None);
    }
    EXPECT_EQ(mForm.CurrentRelationship(), mForm.Application()->Relationships()->Item(1));
    EXPECT_EQ(views.PropertyListView.SelectedItem()->Key, "Order.Properties.Total");
    // A double click on an empty list does nothing.
    mForm.ListView_DblClick(ListTab::Relationships);
    views.RelationshipListView.Clear();
    mOpened.clear();
    mForm.ListView_DblClick(ListTab::Relationships);
    EXPECT_TRUE(mOpened.empty());
}

TEST_F(Commands, BuildCommands) {
    Lines built;
    mForm.SetEngineFactory([&built] { return std::make_shared<RecordingEngine>(built); });
    mForm.RunMenuCommand("mnuFileBuildApplication");
    EXPECT_EQ(built, (Lines{"Test.StdDetailForm Customer"}));
    EXPECT_EQ(mForm.StatusText(), "Ready...");

    mForm.RunMenuCommand("mnuBuildBusObj");
    ASSERT_NE(mForm.CodeGenerationForm(), nullptr);
    EXPECT_EQ(mForm.CodeGenerationForm()->Application(), mForm.Application());
    EXPECT_EQ(mScript.WindowEvents().back(), "show frmCodeGeneration");
    mForm.CodeGenerationForm()->cmdCancel_Click();

    // Without business objects: the message and no dialog; Build Application fails in the error dialog.
    mForm.ClearGUI();
    const size_t windows = mScript.WindowEvents().size();
    mForm.RunMenuCommand("mnuBuildBusObj");
    EXPECT_EQ(
        Messages(),
        (Lines{"You must Open an Application before generating the code! (16, Error Generating Code...)"}));
    EXPECT_EQ(mScript.WindowEvents().size(), windows);
    mForm.RunMenuCommand("mnuFileBuildApplication");
    EXPECT_EQ(mScript.DialogsShown(), (Lines{"frmErrorDisplayUtil"}));
}

TEST_F(MainWindow, BuildApplicationWithAPatternThatIsNotRegisteredIsReported) {
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mForm.RunMenuCommand("mnuFileBuildApplication");
    EXPECT_EQ(mScript.DialogsShown(), (Lines{"frmErrorDisplayUtil"}));
    EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);
    EXPECT_EQ(mForm.StatusText(), "Ready...");
}

TEST_F(MainWindow, ClearGUIKeepsTheDataChangedFlag) {
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    const auto before = mForm.Application();
    mForm.ClearGUI();
    EXPECT_NE(mForm.Application(), before);
    EXPECT_TRUE(mForm.Views().BusObjTreeView.Roots().empty());
    EXPECT_TRUE(mForm.IsDataChanged());
    EXPECT_FALSE(mForm.HasBusObj());
    EXPECT_EQ(mForm.Caption(), "VBOstrel - New Application");
    EXPECT_EQ(mForm.StatusText(), "Ready...");
}

}  // namespace
}  // namespace builder_test
