#pragma once
// One method of a business object: a plain holder of values.

#include <cstdint>
#include <string>

#include "typelib/IMethod.h"

namespace core {

class qelBusObjMethod : public typelib::IMethod {
  public:
    bool IsStoredProcedure() const override { return mIsStoredProcedure; }
    void SetIsStoredProcedure(bool value) { mIsStoredProcedure = value; }
    std::string StoredProcedureName() const override { return mStoredProcedureName; }
    void SetStoredProcedureName(std::string value) { mStoredProcedureName = std::move(value); }
    int32_t DBID() const override { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }
    std::string ReturnDataType() const override { return mReturnDataType; }
    void SetReturnDataType(std::string value) { mReturnDataType = std::move(value); }
    const std::string& Name() const override { return mName; }
    void SetName(std::string value) { mName = std::move(value); }
    std::string MethodType() const override { return mMethodType; }
    void SetMethodType(std::string value) { mMethodType = std::move(value); }
    std::string BusinessObjectName() const { return mBusinessObjectName; }
    void SetBusinessObjectName(std::string value) { mBusinessObjectName = std::move(value); }

  private:
    bool mIsStoredProcedure = false;
    std::string mStoredProcedureName;
    int32_t mDBID = 0;
    std::string mReturnDataType;
    std::string mName;
    std::string mMethodType;
    std::string mBusinessObjectName;
};

}  // namespace core
