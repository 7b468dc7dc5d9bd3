#pragma once
// The steps of a save's commit as they happen ("flushed", "listed", then the name of each file renamed);
// a commit can be stopped after one of them, which leaves the disk as a kill at that moment would.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ide/FileBatch.h"

namespace testing_support {

class RecordedSaveSteps : public vbide::SaveSteps {
  public:
    struct Stopped {};
    // Stops after step `stopAfter` (from 1); 0 never stops.
    explicit RecordedSaveSteps(size_t stopAfter = 0) : mStopAfter(stopAfter) {}

    void Flushed() override { Step("flushed"); }
    void Listed() override { Step("listed"); }
    void Renamed(const std::filesystem::path& file) override { Step(file.filename().string()); }

    const std::vector<std::string>& Steps() const { return mSteps; }

  private:
    void Step(std::string name) {
        mSteps.push_back(std::move(name));
        if (mSteps.size() == mStopAfter)
            throw Stopped{};
    }

    size_t mStopAfter;
    std::vector<std::string> mSteps;
};

}  // namespace testing_support
