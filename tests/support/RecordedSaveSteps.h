#pragma once
// The steps of a save's commit as they happen ("flushed", "listed", then the name of each file renamed);
// a commit can be stopped after one of them, which leaves the disk as a kill at that moment would, and
// something can be done after one of them, as a developer saving a file while the commit runs.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ide/FileBatch.h"

namespace testing_support {

class RecordedSaveSteps : public vbide::SaveSteps {
  public:
    struct Stopped {};
    // Stops after step `stopAfter` (from 1); 0 never stops. Does `act` after step `actAfter`, before a stop
    // there.
    explicit RecordedSaveSteps(size_t stopAfter = 0, size_t actAfter = 0, std::function<void()> act = {})
        : mStopAfter(stopAfter), mActAfter(actAfter), mAct(std::move(act)) {}

    void Flushed() override { Step("flushed"); }
    void Listed() override { Step("listed"); }
    void Renamed(const std::filesystem::path& file) override { Step(file.filename().string()); }

    const std::vector<std::string>& Steps() const { return mSteps; }

  private:
    void Step(std::string name) {
        mSteps.push_back(std::move(name));
        if (mSteps.size() == mActAfter)
            mAct();
        if (mSteps.size() == mStopAfter)
            throw Stopped{};
    }

    size_t mStopAfter;
    size_t mActAfter;
    std::function<void()> mAct;
    std::vector<std::string> mSteps;
};

// Runs `save` with its commit stopped after step `stopAfter` (2: files flushed and listed), as a kill there
// would stop it.
inline void StopSave(const std::function<void()>& save, size_t stopAfter = 2) {
    RecordedSaveSteps stopping(stopAfter);
    vbide::ScopedSaveSteps inForce(stopping);
    EXPECT_THROW(save(), RecordedSaveSteps::Stopped);
}

}  // namespace testing_support
