#pragma once
// A record describing one code pattern, as the pattern reports itself.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "platform/vb/Object.h"

namespace core {

class qelCodePattern : public vb::Object {
  public:
    int32_t DBID() const { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }
    std::string Description() const { return mDescription; }
    void SetDescription(std::string value) { mDescription = std::move(value); }
    std::string Developer() const { return mDeveloper; }
    void SetDeveloper(std::string value) { mDeveloper = std::move(value); }
    std::string Version() const { return mVersion; }
    void SetVersion(std::string value) { mVersion = std::move(value); }
    std::string Revision() const { return mRevision; }
    void SetRevision(std::string value) { mRevision = std::move(value); }
    std::string FormTemplateFile() const { return mFormTemplateFile; }
    void SetFormTemplateFile(std::string value) { mFormTemplateFile = std::move(value); }
    std::string ComponentName() const { return mComponentName; }
    void SetComponentName(std::string value) { mComponentName = std::move(value); }
    // Write only.
    void SetPatternRoles(std::shared_ptr<VariantCollection> value) { mPatternRoles = std::move(value); }
    std::string Name() const { return mName; }
    void SetName(std::string value) { mName = std::move(value); }

  private:
    int32_t mDBID = 0;
    std::string mDescription;
    std::string mDeveloper;
    std::string mVersion;
    std::string mRevision;
    std::string mFormTemplateFile;
    std::string mComponentName;
    std::shared_ptr<VariantCollection> mPatternRoles = std::make_shared<VariantCollection>();
    std::string mName;
};

}  // namespace core
