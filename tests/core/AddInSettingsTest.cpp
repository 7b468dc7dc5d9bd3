// The eight shared connection settings: read from and written to the per-user settings store.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/AddInSettings.h"
#include "platform/ui/Settings.h"
#include "tests/core/TemporarySettings.h"

namespace core {
namespace {

struct Stored {
    std::string key;
    std::string ConnectionSettings::*member;
    std::string value;
};

const std::vector<Stored> kEight = {
    {"DataType", &ConnectionSettings::DataType, "SQL"},
    {"DatabaseName", &ConnectionSettings::DatabaseName, "/data/orders.mdb"},
    {"ODBCDatasource", &ConnectionSettings::ODBCDatasource, "Sales"},
    {"ODBCDatabase", &ConnectionSettings::ODBCDatabase, "orders"},
    {"ODBCUserName", &ConnectionSettings::ODBCUserName, "clerk"},
    {"ODBCPassword", &ConnectionSettings::ODBCPassword, "p;w=d }"},
    {"ODBCDriver", &ConnectionSettings::ODBCDriver, "PostgreSQL Unicode"},
    {"ODBCServer", &ConnectionSettings::ODBCServer, "db.example"},
};

TEST(AddInSettings, SaveWritesEachValueUnderItsKeyAndLoadReadsItBack) {
    TemporarySettings settings;
    AddInSettings::Reset();
    for (const auto& s : kEight)
        AddInSettings::Values().*s.member = s.value;
    AddInSettings::Save();
    for (const auto& s : kEight)
        EXPECT_EQ(ui::GetSetting("Microsoft Visual Basic AddIns", "VB Ostrel", s.key, "absent"), s.value)
            << s.key;

    AddInSettings::Reset();
    for (const auto& s : kEight)
        EXPECT_EQ(AddInSettings::Values().*s.member, "") << s.key;
    AddInSettings::Load();
    for (const auto& s : kEight)
        EXPECT_EQ(AddInSettings::Values().*s.member, s.value) << s.key;
    AddInSettings::Reset();
}

TEST(AddInSettings, LoadingAnEmptyStoreEmptiesEveryValue) {
    TemporarySettings settings;
    for (const auto& s : kEight)
        AddInSettings::Values().*s.member = "stale";
    AddInSettings::Load();
    for (const auto& s : kEight)
        EXPECT_EQ(AddInSettings::Values().*s.member, "") << s.key;
}

}  // namespace
}  // namespace core
