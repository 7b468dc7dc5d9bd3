#include "repository/ApplicationRow.h"

#include <array>
#include <string>

#include "core/qelApplication.h"
#include "repository/StoredRow.h"

namespace repository {

namespace {

using core::qelApplication;

struct TextMember {
    const char* Column;
    std::string (qelApplication::*Get)() const;
    void (qelApplication::*Set)(std::string);
};

constexpr std::array<TextMember, 8> kTextMembers{{
    {"Description", &qelApplication::Description, &qelApplication::SetDescription},
    {"DSN", &qelApplication::DSN, &qelApplication::SetDSN},
    {"L1ProjectName", &qelApplication::L1ProjectName, &qelApplication::SetL1ProjectName},
    {"L2ProjectName", &qelApplication::L2ProjectName, &qelApplication::SetL2ProjectName},
    {"L3ProjectName", &qelApplication::L3ProjectName, &qelApplication::SetL3ProjectName},
    {"LocalDBName", &qelApplication::LocalDBName, &qelApplication::SetLocalDBName},
    {"Name", &qelApplication::Name, &qelApplication::SetName},
    {"DBType", &qelApplication::DBType, &qelApplication::SetDBType},
}};

void CopyMembers(const qelApplication& from, qelApplication& to) {
    for (const TextMember& member : kTextMembers)
        (to.*member.Set)((from.*member.Get)());
    to.SetArchitecture(from.Architecture());
    to.SetDBID(from.DBID());
}

}  // namespace

dao::ColumnValues ApplicationRowValues(const qelApplication& application) {
    dao::ColumnValues values;
    for (const TextMember& member : kTextMembers)
        values.push_back({member.Column, (application.*member.Get)()});
    values.push_back({"Architecture", application.Architecture()});
    return values;
}

void ReadApplicationRow(const dao::Row& row, qelApplication& application) {
    const StoredRow stored("Application", row);
    qelApplication read;
    for (const TextMember& member : kTextMembers)
        (read.*member.Set)(stored.Text(member.Column));
    read.SetArchitecture(stored.Long("Architecture"));
    read.SetDBID(stored.Long("ID"));
    CopyMembers(read, application);
}

std::shared_ptr<qelApplication> CopyOfStoredApplication(const qelApplication& stored) {
    auto copy = std::make_shared<qelApplication>();
    CopyMembers(stored, *copy);
    return copy;
}

}  // namespace repository
