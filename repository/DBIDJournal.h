#pragma once
// The DBIDs a save gives model objects, kept so that a failed save can give every object its old DBID
// back: the model then matches the repository that the rollback left.

#include <cstdint>
#include <functional>
#include <vector>

namespace repository {

class DBIDJournal {
  public:
    template <typename ModelObject>
    void SetDBID(ModelObject& object, int32_t id) {
        const int32_t old = object.DBID();
        if (old == id)
            return;
        mUndo.push_back([&object, old] { object.SetDBID(old); });
        object.SetDBID(id);
    }

    // Latest first, so an object given two IDs ends with its first one.
    void RestoreAll() noexcept {
        for (auto undo = mUndo.rbegin(); undo != mUndo.rend(); ++undo)
            (*undo)();
        mUndo.clear();
    }

  private:
    std::vector<std::function<void()>> mUndo;
};

}  // namespace repository
