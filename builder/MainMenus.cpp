#include "builder/MainMenus.h"

namespace builder {

const std::vector<MenuItem>& MenuBarItems() {
    static const std::vector<MenuItem> items = {
        {"mnuFile", "&File", ""},
        {"mnuFileNew", "&New Application...", "mnuFile"},
        {"mnuFileOpen", "&Open Application...", "mnuFile"},
        {"mnuFileImport", "&Import...", "mnuFile"},
        {"mnuFileSave", "&Save", "mnuFile"},
        {"mnuSeparator1", "-", "mnuFile"},
        {"mnuFilePattern", "&Pattern", "mnuFile"},
        {"mnuPatternNew", "&New", "mnuFilePattern"},
        {"mnuPatternRegister", "&Register", "mnuFilePattern"},
        {"mnuPatternRemove", "R&emove", "mnuFilePattern"},
        {"mnuSeparator3", "-", "mnuFile"},
        {"mnuFileBuildApplication", "&Build Application...", "mnuFile"},
        {"mnuFileSyncApplication", "&Synchronize Application", "mnuFile"},
        {"mnuFileDelete", "&Delete Application", "mnuFile"},
        {"mnuFileEditApplication", "&Edit Application...", "mnuFile"},
        {"mnuFileRename", "&Rename", "mnuFile"},
        {"mnuSeparator2", "-", "mnuFile"},
        {"mnuFileExit", "E&xit", "mnuFile"},
        {"mnuBusinessObject", "&Business Object", ""},
        {"mnuBusObjNew", "&New...", "mnuBusinessObject"},
        {"mnuBusObjAddProperty", "Add &Property", "mnuBusinessObject"},
        {"mnuBusObjAddMethod", "Add &Method", "mnuBusinessObject"},
        {"mnuBusObjAddRelationship", "Add &Relationship", "mnuBusinessObject"},
        {"mnuBusObjRename", "Re&name", "mnuBusinessObject"},
        {"mnuBuild", "Bui&ld", ""},
        {"mnuBuildBusObj", "&Business Object", "mnuBuild"},
        {"mnuDesignObject", "&Design Object", "mnuBuild"},
        {"mnuDesObjNew", "&New...", "mnuDesignObject"},
        {"mnuTool", "&Tool", ""},
        {"mnuToolOptions", "&Options...", "mnuTool"},
        {"mnuView", "&View", ""},
        {"mnuViewOptions", "&Options", "mnuView"},
        {"mnuStartHere", "&Start Here", ""},
        {"mnuWelcome", "&Welcome", "mnuStartHere"},
        {"mnuTutorial", "&Tutorial", "mnuStartHere"},
        {"mnuHelp", "&Help", ""},
        {"mnuHelpVBOstrel", "VB Ostrel Help", "mnuHelp"},
        {"mnuSep", "-", "mnuHelp"},
        {"mnuHelpAbout", "About VB Ostrel", "mnuHelp"},
    };
    return items;
}

const std::vector<MenuItem>& PopupMenuItems() {
    static const std::vector<MenuItem> items = {
        {"mnuPropertyMethod", "Property/Method", ""},
        {"mnuPropertyNew", "&New Property...", "mnuPropertyMethod"},
        {"mnuMethodNew", "New &Method...", "mnuPropertyMethod"},
        {"mnuWindowNew", "New &Window...", "mnuPropertyMethod"},
        {"mnuRelationshipNew", "New &Relationship...", "mnuPropertyMethod"},
        {"mnuRelationshipDelete", "De&lete Relationship", "mnuPropertyMethod"},
        {"mnuPropMethEdit", "&Edit", "mnuPropertyMethod"},
        {"mnuPropMethDelete", "&Delete", "mnuPropertyMethod"},
        {"mnuPropMethRename", "&Rename", "mnuPropertyMethod"},
    };
    return items;
}

const std::vector<ToolbarButton>& ToolbarButtons() {
    static const std::vector<ToolbarButton> buttons = {
        {"New", "New Application", "New"},
        {"Open", "Open Application", "Open"},
        {"Save", "Save Application", "Save"},
        {"Import", "Import Application", "Import"},
        {"BusObj", "New Business Object", "BusinessObject"},
        {"Property", "New Property", "Property"},
        {"Method", "New Method", "Method"},
        {"Relationship", "New Relationship", "Relationship"},
    };
    return buttons;
}

}  // namespace builder
