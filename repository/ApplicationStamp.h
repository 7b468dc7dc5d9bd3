#pragma once
// What a window knows of an application's stored rows: a digest of its Application row and every row
// below it, taken when the window loaded the application or last wrote it. Each write of the window
// checks it inside its own transaction, so that no window writes over, or deletes unseen, what another
// window or program stored since. No column carries it: the rows themselves are compared.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"

namespace core {
class qelApplication;
}

namespace repository {

// The title of ChangedElsewhere's message.
inline constexpr const char* kApplicationChangedTitle = "Error - Application Changed";

// The application's rows are no longer those the window knows (3197, the engine's number for data that
// another user changed): the description names the application and says whether it was changed or
// deleted.
class ChangedElsewhere : public vb::Error {
  public:
    ChangedElsewhere(const std::string& application, bool deleted);

    // The description, then what the command left undone ("Nothing has been deleted.") and what to do:
    // open the application again to see what is stored, then `retry` ("delete it again").
    std::string Told(std::string_view undone, std::string_view retry) const;

  private:
    bool mDeleted;
};

// What Require makes of an application whose rows are all gone: the deletion of one passes.
enum class IfDeleted { Refuse, Pass };

class ApplicationStamp {
  public:
    // Of no stored application: it checks nothing.
    ApplicationStamp() = default;
    // Of the application's rows (by its DBID) as they are now.
    ApplicationStamp(dao::SqliteDatabase& repository, const core::qelApplication& application);
    ApplicationStamp(dao::SqliteDatabase& repository, int32_t applicationID, std::string name);

    // Raises ChangedElsewhere when the rows are no longer those of the stamp.
    void Require(dao::SqliteDatabase& repository, IfDeleted ifDeleted = IfDeleted::Refuse) const;
    int32_t ApplicationID() const { return mApplicationID; }
    const std::string& Name() const { return mName; }

  private:
    int32_t mApplicationID = 0;
    std::string mName;
    uint64_t mDigest = 0;
};

// Runs `write` in one transaction (WriteRepository). With a stamp it first requires it (nothing is
// written when the rows changed), and afterwards the stamp is of the rows `application` has then.
void WriteStamped(dao::SqliteDatabase& repository, ApplicationStamp* stamp,
                  const core::qelApplication& application, const std::function<void()>& write);
// The same for a write into the stamp's own application.
void WriteStamped(dao::SqliteDatabase& repository, ApplicationStamp* stamp,
                  const std::function<void()>& write);

}  // namespace repository
