#pragma once
// Saving an application model into the repository: every object of the model gets its row, added when
// the object has none yet (DBID 0, or no row under its owner) and edited otherwise, and every new row's ID
// becomes the object's DBID, so that the next save edits the same rows.

#include "platform/dao/SqliteDatabase.h"
#include "repository/ApplicationInfoPrompt.h"
#include "repository/ApplicationStamp.h"
#include "repository/ModelItemDelete.h"
#include "repository/RepositoryWrite.h"

namespace core {
class qelApplication;
}

namespace repository {

enum class SaveOutcome { Saved, Canceled };

// Writes the whole model in one transaction (WriteRepository); a repository file the system lets it read
// only raises UnwritableRepository before anything is asked or written. `isAppOpened` says that the
// application has its row already (it was loaded or saved before); otherwise `prompt` is asked for the
// application's information first, and its cancel ends the save with nothing written or changed. On an error
// the transaction is rolled back, every DBID of the model is as before (3021 when an opened application's row
// is gone), and the error is raised again with source "SaveApplication". The caller keeps the window's flags:
// after Saved the application is opened and has no unsaved changes. The rows of `deferred` are deleted in the
// same transaction, before the model is written. With a stamp the write is WriteStamped's: an opened
// application whose rows another window or program changed raises ChangedElsewhere, nothing written.
SaveOutcome SaveApplication(dao::SqliteDatabase& repository, core::qelApplication& application,
                            bool isAppOpened, ApplicationInfoPrompt& prompt,
                            const DeferredDeletes& deferred = {}, ApplicationStamp* stamp = nullptr);

}  // namespace repository
