#pragma once
// Code tables of the security database (table Code): whether a value belongs to one, and a modal pick of
// one of its values.

#include <utility>

#include "runtime/SecurityDatabase.h"
#include "typelib/ICodeTable.h"

namespace runtime {

class qelCodeTable final : public typelib::ICodeTable {
  public:
    // Opens the security database; fails with the engine's error when it cannot.
    qelCodeTable();

    DatabasePtr dbSecurity() const override { return mdbSecurity; }
    void SetdbSecurity(DatabasePtr database) override { mdbSecurity = std::move(database); }

    // Names and values are compared as the engine compares text, never joined into a statement.
    bool Verify(const vb::Variant& varCodeName, const vb::Variant& varCodeValue) override;
    // Shows frmCodePrompt over the code table's values, in the table's order.
    vb::Variant Prompt(const vb::Variant& varCodeName) override;

  private:
    DatabasePtr mdbSecurity;
};

}  // namespace runtime
