#include "repository/ApplicationStamp.h"

#include "core/qelApplication.h"
#include "repository/RepositoryWrite.h"
#include "repository/StoredModelRows.h"
#include "repository/TextDigest.h"

namespace repository {

namespace {

constexpr int32_t kDataChangedElsewhere = 3197;
// The digest of an application without rows; no digest of rows is this.
constexpr uint64_t kGone = 0;

// The digest of rows read back from the repository.
class Digest {
  public:
    // Nulls are left out: a column a version upgrade adds changes no digest.
    void Add(const dao::RowSet& rows) {
        mText.Add(std::to_string(rows.Count()));
        for (const dao::Row& row : rows) {
            for (std::size_t i = 0; i < row.Count(); ++i) {
                if (row[i].IsNull())
                    continue;
                mText.Add(rows.Columns()[i]);
                mText.Add(std::to_string(static_cast<int>(row[i].Type())));
                mText.Add(row[i].ToString());
            }
        }
    }
    uint64_t Value() const { return mText.Value() == kGone ? 1 : mText.Value(); }

  private:
    TextDigest mText;
};

uint64_t DigestOf(dao::SqliteDatabase& repository, int32_t applicationID) {
    const dao::RowSet application = repository.Select("Application", {{"ID", applicationID}});
    if (application.IsEmpty())
        return kGone;
    Digest digest;
    digest.Add(application);
    const StoredModelRows rows(repository, applicationID);
    for (const dao::RowSet* table : rows.AllRows())
        digest.Add(*table);
    return digest.Value();
}

std::string Happened(const std::string& application, bool deleted) {
    return "The application " + application + " was " + (deleted ? "deleted from" : "changed in") +
           " the repository by another window or program after this window opened or last saved it.";
}

}  // namespace

ChangedElsewhere::ChangedElsewhere(const std::string& application, bool deleted)
    : vb::Error(kDataChangedElsewhere, Happened(application, deleted), "ApplicationStamp"),
      mDeleted(deleted) {}

std::string ChangedElsewhere::Told(std::string_view undone, std::string_view retry) const {
    if (mDeleted)
        return Description() + " " + std::string(undone) +
               " File > Open Application lists the applications the repository holds.";
    return Description() + " " + std::string(undone) +
           " Open it again (File > Open Application, answering No when asked to save) to see what is "
           "stored, then " +
           std::string(retry) + ".";
}

ApplicationStamp::ApplicationStamp(dao::SqliteDatabase& repository, const core::qelApplication& application)
    : ApplicationStamp(repository, application.DBID(), application.Name()) {}

ApplicationStamp::ApplicationStamp(dao::SqliteDatabase& repository, int32_t applicationID, std::string name)
    : mApplicationID(applicationID), mName(std::move(name)), mDigest(DigestOf(repository, applicationID)) {}

void ApplicationStamp::Require(dao::SqliteDatabase& repository, IfDeleted ifDeleted) const {
    if (mApplicationID == 0)
        return;
    const uint64_t now = DigestOf(repository, mApplicationID);
    if (now == mDigest || (now == kGone && ifDeleted == IfDeleted::Pass))
        return;
    throw ChangedElsewhere(mName, now == kGone);
}

namespace {

// `stampAfter` takes the stamp of the rows the write left, inside its transaction.
void WriteThenStamp(dao::SqliteDatabase& repository, ApplicationStamp* stamp,
                    const std::function<void()>& write, const std::function<ApplicationStamp()>& stampAfter) {
    if (!stamp) {
        WriteRepository(repository, write);
        return;
    }
    ApplicationStamp after;
    WriteRepository(repository, [&] {
        stamp->Require(repository);
        write();
        after = stampAfter();
    });
    *stamp = after;
}

}  // namespace

void WriteStamped(dao::SqliteDatabase& repository, ApplicationStamp* stamp,
                  const core::qelApplication& application, const std::function<void()>& write) {
    WriteThenStamp(repository, stamp, write, [&] { return ApplicationStamp(repository, application); });
}

void WriteStamped(dao::SqliteDatabase& repository, ApplicationStamp* stamp,
                  const std::function<void()>& write) {
    WriteThenStamp(repository, stamp, write,
                   [&] { return ApplicationStamp(repository, stamp->ApplicationID(), stamp->Name()); });
}

}  // namespace repository
