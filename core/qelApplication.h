#pragma once
// The root of one modelled application: a plain holder of values and of its business objects and
// relationships.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "typelib/IApplication.h"

namespace core {

class qelApplication : public typelib::IApplication {
  public:
    qelApplication();

    // Answers of the duplicate-component question during one build run.
    bool IsRestoreOne() const { return mIsRestoreOne; }
    void SetIsRestoreOne(bool value) { mIsRestoreOne = value; }
    bool IsDiscardAll() const { return mIsDiscardAll; }
    void SetIsDiscardAll(bool value) { mIsDiscardAll = value; }
    bool IsRestoreAll() const { return mIsRestoreAll; }
    void SetIsRestoreAll(bool value) { mIsRestoreAll = value; }

    bool IsMTS() const override { return mIsMTS; }
    void SetIsMTS(bool value) { mIsMTS = value; }
    bool IsPromptDuringBuild() const override { return mIsPromptDuringBuild; }
    void SetIsPromptDuringBuild(bool value) { mIsPromptDuringBuild = value; }
    std::string DBType() const override { return mDBType; }
    void SetDBType(std::string value) { mDBType = std::move(value); }

    const std::shared_ptr<RelationshipCollection>& Relationships() const { return mRelationships; }
    void SetRelationships(std::shared_ptr<RelationshipCollection> value) {
        mRelationships = std::move(value);
    }
    const std::shared_ptr<BusinessObjectCollection>& BusinessObjects() const { return mBusinessObjects; }
    void SetBusinessObjects(std::shared_ptr<BusinessObjectCollection> value) {
        mBusinessObjects = std::move(value);
    }

    std::string L3ProjectName() const override { return mL3ProjectName; }
    void SetL3ProjectName(std::string value) { mL3ProjectName = std::move(value); }
    std::string L2ProjectName() const override { return mL2ProjectName; }
    void SetL2ProjectName(std::string value) { mL2ProjectName = std::move(value); }
    std::string L1ProjectName() const override { return mL1ProjectName; }
    void SetL1ProjectName(std::string value) { mL1ProjectName = std::move(value); }
    std::string Name() const override { return mName; }
    void SetName(std::string value) { mName = std::move(value); }
    std::string Description() const { return mDescription; }
    void SetDescription(std::string value) { mDescription = std::move(value); }
    std::string LocalDBName() const override { return mLocalDBName; }
    void SetLocalDBName(std::string value) { mLocalDBName = std::move(value); }
    std::string DSN() const override { return mDSN; }
    void SetDSN(std::string value) { mDSN = std::move(value); }
    // Logon values of the data source; kept only in memory.
    std::string DSNDBName() const { return mDSNDBName; }
    void SetDSNDBName(std::string value) { mDSNDBName = std::move(value); }
    std::string UserName() const { return mUserName; }
    void SetUserName(std::string value) { mUserName = std::move(value); }
    std::string Password() const { return mPassword; }
    void SetPassword(std::string value) { mPassword = std::move(value); }
    // Row id in the repository; 0 while never stored.
    int32_t DBID() const override { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }
    int32_t Architecture() const override { return mArchitecture; }
    void SetArchitecture(int32_t value) { mArchitecture = value; }

  private:
    std::shared_ptr<typelib::BusinessObjectList> GetBusinessObjects() const override;

    bool mIsRestoreOne = false;
    bool mIsDiscardAll = false;
    bool mIsRestoreAll = false;
    bool mIsMTS = false;
    bool mIsPromptDuringBuild = false;
    std::string mDBType;
    std::shared_ptr<RelationshipCollection> mRelationships;
    std::shared_ptr<BusinessObjectCollection> mBusinessObjects;
    std::string mL3ProjectName;
    std::string mL2ProjectName;
    std::string mL1ProjectName;
    std::string mName;
    std::string mDescription;
    std::string mLocalDBName;
    std::string mDSN;
    std::string mDSNDBName;
    std::string mUserName;
    std::string mPassword;
    int32_t mDBID = 0;
    int32_t mArchitecture = 0;
};

}  // namespace core
