#pragma once
// The dialog in which the developer picks the table, or the column of a table, that now carries a table
// or field the synchronisation no longer finds. It lists the database's tables (table mode) or the
// table's columns (field mode) and only reports the choice; the caller changes the model.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Interaction.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

class frmAvailTablesorFields : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 17;

    struct ListBox {
        std::vector<std::string> List;
        int32_t ListIndex = -1;  // the selected item, -1 when none
    };

    // The controls, as a person sees and changes them.
    std::string Caption = "Database Synchronization - Table Rename";
    int32_t HelpContextID = 0;
    std::string lblText;
    ListBox lstTablesorFields;
    std::string cmdOK = "OK", cmdCancel = "Cancel", cmdHelp = "Help";

    // Table mode: the missing table and the database's tables. It wins when a field is set too.
    void SetTableReferences(std::string tableName, std::vector<CatalogTable> tableRows);
    // Field mode: the missing field and the columns of its table.
    void SetFieldReferences(std::string fieldName, std::vector<CatalogColumn> columns);

    // The first selected entry's text; "" when none is selected.
    std::string SelectedTableorField() const;
    bool IsCanceled() const { return mIsCanceled; }
    bool OKClicked() const { return mOKClicked; }

    // Loads the dialog afresh from the references last set and shows it modally.
    void Show();
    void Form_Load();
    // Hides the window; the dialog stays loaded for the caller to read.
    void cmdOK_Click() { mOKClicked = true; }
    void cmdCancel_Click();
    void cmdHelp_Click() const;
    // The close box: unloads, both flags left False.
    void Form_Unload() { mLoaded = false; }
    // The caller's unload after OK.
    void Unload() { mLoaded = false; }

    bool IsLoaded() const { return mLoaded; }

    std::string DialogName() const override { return "frmAvailTablesorFields"; }
    void ShowWidget() override;

  private:
    std::string mTableName;
    std::string mFieldName;
    std::vector<CatalogTable> mTableRows;
    std::vector<CatalogColumn> mColumns;
    bool mIsCanceled = false;
    bool mOKClicked = false;
    bool mLoaded = false;
};

}  // namespace schemaimport
