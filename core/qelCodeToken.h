#pragma once
// A record holding one property name.

#include <string>

#include "platform/vb/Object.h"

namespace core {

class qelCodeToken : public vb::Object {
  public:
    std::string PropName() const { return mPropName; }
    void SetPropName(std::string value) { mPropName = std::move(value); }

  private:
    std::string mPropName;
};

}  // namespace core
