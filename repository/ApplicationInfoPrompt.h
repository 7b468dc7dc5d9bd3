#pragma once
// What a first save asks of the person: the application's name, packaging and database. The application
// information dialog will answer it; until then the caller answers with SuppliedApplicationInfo.

#include <cstdint>
#include <optional>
#include <string>

#include "core/qelApplication.h"

namespace repository {

class ApplicationInfoPrompt {
  public:
    virtual ~ApplicationInfoPrompt() = default;
    // Edits `application` in place; false when the person cancels, and nothing is edited then.
    virtual bool AskApplicationInfo(core::qelApplication& application) = 0;
};

struct ApplicationInfo {
    std::string Name;
    std::string Description;
    int32_t Architecture = typelib::ThreeTier;
    std::string L1ProjectName;
    std::string L2ProjectName;
    std::string L3ProjectName;
    std::string DBType;       // "Access", "SQL" or "Oracle"
    std::string DSN;          // for a data source
    std::string LocalDBName;  // for a local Access database
};

// Answers with the information it was given, or cancels when it was given none.
class SuppliedApplicationInfo final : public ApplicationInfoPrompt {
  public:
    explicit SuppliedApplicationInfo(std::optional<ApplicationInfo> info) : mInfo(std::move(info)) {}

    bool AskApplicationInfo(core::qelApplication& application) override {
        if (!mInfo)
            return false;
        application.SetName(mInfo->Name);
        application.SetDescription(mInfo->Description);
        application.SetArchitecture(mInfo->Architecture);
        application.SetL1ProjectName(mInfo->L1ProjectName);
        application.SetL2ProjectName(mInfo->L2ProjectName);
        application.SetL3ProjectName(mInfo->L3ProjectName);
        application.SetDBType(mInfo->DBType);
        application.SetDSN(mInfo->DSN);
        application.SetLocalDBName(mInfo->LocalDBName);
        return true;
    }

  private:
    std::optional<ApplicationInfo> mInfo;
};

}  // namespace repository
