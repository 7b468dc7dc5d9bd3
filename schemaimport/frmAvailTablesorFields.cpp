#include "schemaimport/frmAvailTablesorFields.h"

#include "core/HelpFile.h"

namespace schemaimport {

void frmAvailTablesorFields::SetTableReferences(std::string tableName, std::vector<CatalogTable> tableRows) {
    mTableName = std::move(tableName);
    mTableRows = std::move(tableRows);
}

void frmAvailTablesorFields::SetFieldReferences(std::string fieldName, std::vector<CatalogColumn> columns) {
    mFieldName = std::move(fieldName);
    mColumns = std::move(columns);
}

std::string frmAvailTablesorFields::SelectedTableorField() const {
    const auto& list = lstTablesorFields.List;
    if (lstTablesorFields.ListIndex < 0 || lstTablesorFields.ListIndex >= static_cast<int32_t>(list.size()))
        return "";
    return list[static_cast<std::size_t>(lstTablesorFields.ListIndex)];
}

void frmAvailTablesorFields::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

void frmAvailTablesorFields::Form_Load() {
    mIsCanceled = false;
    mOKClicked = false;
    mLoaded = true;
    HelpContextID = kHelpContext;
    lblText.clear();
    lstTablesorFields = {};
    if (!mTableName.empty()) {
        lblText = mTableName + " was re-named.  Please select the new name from the list of tables below:";
        for (const CatalogTable& row : mTableRows) {
            if (row.Type == "TABLE")
                lstTablesorFields.List.push_back(row.Name);
        }
    } else if (!mFieldName.empty()) {
        lblText = mFieldName + " was re-named.  Please select the new name from the list of fields below:";
        for (const CatalogColumn& column : mColumns)
            lstTablesorFields.List.push_back(column.Name);
    }
}

void frmAvailTablesorFields::cmdCancel_Click() {
    mIsCanceled = true;
    mLoaded = false;
}

void frmAvailTablesorFields::cmdHelp_Click() const {
    core::ShowHelpTopic(kHelpContext);
}

}  // namespace schemaimport
