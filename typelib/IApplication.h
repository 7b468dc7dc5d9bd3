#pragma once
// The application model as patterns read it.

#include <cstdint>
#include <memory>
#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

// How many IDE projects the generated application spans.
enum AppArchitecture : int32_t { SingleTier = 1, TwoTier = 2, ThreeTier = 3 };

class IApplication : public vb::Object {
  public:
    virtual std::string Name() const = 0;
    // Empty for a local Access database.
    virtual std::string DSN() const = 0;
    virtual std::string LocalDBName() const = 0;
    virtual std::string L1ProjectName() const = 0;
    virtual std::string L2ProjectName() const = 0;
    virtual std::string L3ProjectName() const = 0;
    // "Access", "SQL" or "Oracle".
    virtual std::string DBType() const = 0;
    // An AppArchitecture value.
    virtual int32_t Architecture() const = 0;
    virtual bool IsMTS() const = 0;
    virtual bool IsPromptDuringBuild() const = 0;
    virtual int32_t DBID() const = 0;

    std::shared_ptr<BusinessObjectList> BusinessObjects() const { return GetBusinessObjects(); }

  protected:
    virtual std::shared_ptr<BusinessObjectList> GetBusinessObjects() const = 0;
};

}  // namespace typelib
