#include "repository/ApplicationList.h"

#include "core/qelApplication.h"
#include "repository/ApplicationRow.h"

namespace repository {

std::string StoredApplicationKey(int32_t applicationID) {
    return "K" + std::to_string(applicationID);
}

StoredApplications ReadStoredApplications(dao::SqliteDatabase& repository) {
    StoredApplications applications;
    for (const dao::Row& row : repository.Query("SELECT * FROM \"Application\" ORDER BY \"ID\"")) {
        auto application = std::make_shared<core::qelApplication>();
        ReadApplicationRow(row, *application);
        applications.Add(application, StoredApplicationKey(application->DBID()));
    }
    return applications;
}

}  // namespace repository
