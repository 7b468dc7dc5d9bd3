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
    {
        ErrorList& list = TheErrorList();
        std::lock_guard lock(list.mutex);
        list.errors.assign(1, error);
    }
    throw vb::Error(error.Number, std::move(error.Description), std::move(error.Source));
}

}  // namespace dao
