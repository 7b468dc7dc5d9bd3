#pragma once
// The dialog in which the developer picks the tables of a database to import: the offered tables on the
// left, the chosen ones on the right in the order chosen. OK reads the chosen list into TablestoImport.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Interaction.h"
#include "platform/vb/Collection.h"

namespace schemaimport {

class frmImportSelection : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 1003;
    using TableNames = vb::Collection<std::string>;

    struct ListBox {
        std::vector<std::string> List;
        int32_t ListIndex = -1;  // the selected item, -1 when none
    };
    struct Button {
        std::string Caption;
        std::string ToolTipText;
    };

    // The controls, as a person sees and changes them.
    std::string Caption = "Select Tables to Import";
    std::string frmImport = "Import";
    std::string lblAvailTables = "Tables in Database:";
    std::string lblTablesImport = "Tables to Import:";
    ListBox lstAllTables, lstSelectedTables;
    std::array<Button, 4> cmdMoveTables = {{{">", "Move Selected Tables to the Right"},
                                            {">>", "Move All Tables to the Right"},
                                            {"<", "Move Selected Tables to the Left"},
                                            {"<<", "Move All Tables to the Left"}}};
    std::string cmdOK = "OK", cmdCancel = "Cancel", cmdHelp = "Help";

    // Held, not copied: the caller's collection.
    void SetTablesInDatabase(std::shared_ptr<TableNames> tables) { mTablesInDatabase = std::move(tables); }
    // The chosen names in list order; empty unless OK was accepted.
    const TableNames& TablestoImport() const { return mTablesToImport; }
    bool OKClickedForImporting() const { return mOKClicked; }
    bool CancelClicked() const { return mCancelClicked; }

    // Loads the dialog and shows it modally; the flags and the chosen names stay readable afterwards.
    void Show();
    void Form_Load();
    void cmdMoveTables_Click(int32_t index);
    void lstAllTables_DblClick() { cmdMoveTables_Click(0); }
    void lstSelectedTables_DblClick() { cmdMoveTables_Click(2); }
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click() const;
    // The close box: unloads, both flags left as they are.
    void Form_Unload() { mUnloaded = true; }

    bool IsUnloaded() const { return mUnloaded; }

    std::string DialogName() const override { return "frmImportSelection"; }
    void ShowWidget() override;

  private:
    std::shared_ptr<TableNames> mTablesInDatabase;
    TableNames mTablesToImport;
    bool mOKClicked = false;
    bool mCancelClicked = false;
    bool mUnloaded = false;
};

}  // namespace schemaimport
