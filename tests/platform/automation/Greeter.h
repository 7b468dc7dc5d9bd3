#pragma once

#include <string>

#include "platform/vb/Object.h"

class Greeter : public vb::Object {
  public:
    virtual std::string Greet(const std::string& name) const = 0;
};
