#pragma once
// The base of every automation object: what a Variant holds when it holds an object, and what creation
// by ProgID hands out. Callers ask for the interface they need with std::dynamic_pointer_cast.

#include <memory>

namespace vb {

class Object {
  public:
    virtual ~Object() = default;
};

using ObjectPtr = std::shared_ptr<Object>;

}  // namespace vb
