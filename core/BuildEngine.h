#pragma once
// What the generate-code dialog needs of the construction engine: one BuildPattern call per pattern and
// business object, and the end of the run. The engine of a run is made by a factory, so that the
// dialog's own decisions can be checked with an engine that records the calls.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vbide {
class VBE;
}

namespace core {

class qelApplication;
class qelBusinessObject;
class qelToolProperties;

class BuildEngine {
  public:
    virtual ~BuildEngine() = default;
    virtual int16_t BuildPattern(std::shared_ptr<vbide::VBE> VBI, std::shared_ptr<qelApplication> application,
                                 std::shared_ptr<qelBusinessObject> businessObject,
                                 const std::string& codePattern,
                                 std::shared_ptr<qelToolProperties> toolProperty) = 0;
    virtual void GenerationComplete() = 0;
};

using BuildEngineFactory = std::function<std::shared_ptr<BuildEngine>()>;

}  // namespace core
