#include "platform/dao/Errors.h"

#include <mutex>

#include "platform/vb/Error.h"

namespace dao {

namespace {

struct ErrorList {
    std::mutex mutex;
    std::vector<EngineError> errors;
};

ErrorList& TheErrorList() {
    static ErrorList list;
    return list;
}

}  // namespace

std::vector<EngineError> Errors() {
    ErrorList& list = TheErrorList();
    std::lock_guard lock(list.mutex);
    return list.errors;
}

void ClearErrors() {
    ErrorList& list = TheErrorList();
    std::lock_guard lock(list.mutex);
    list.errors.clear();
}

void RaiseEngineError(EngineError error) {
    RaiseEngineErrors({std::move(error)});
}

void RaiseEngineErrors(std::vector<EngineError> errors) {
    const EngineError first = errors.at(0);
    {
        ErrorList& list = TheErrorList();
        std::lock_guard lock(list.mutex);
        list.errors = std::move(errors);
    }
    throw vb::Error(first.Number, first.Description, first.Source);
}

}  // namespace dao
