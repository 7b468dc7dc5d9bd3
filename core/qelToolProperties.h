#pragma once
// The add-in's own settings: where the form templates and the repository lie, and the tool's version.
// The paths are stored as given; callers end FormTemplatePath with the separator.

#include <string>

#include "typelib/IToolProperties.h"

namespace core {

class qelToolProperties : public typelib::IToolProperties {
  public:
    // Form templates in the add-in's folder; the repository in the per-user data folder, since the add-in's
    // own folder may be read-only.
    qelToolProperties();

    std::string FormTemplatePath() const override { return mFormTemplatePath; }
    void SetFormTemplatePath(std::string value) { mFormTemplatePath = std::move(value); }
    std::string ToolDBPath() const override { return mToolDBPath; }
    void SetToolDBPath(std::string value) { mToolDBPath = std::move(value); }
    std::string VersionNumber() const override { return mVersionNumber; }
    std::string ReleaseNumber() const override { return mReleaseNumber; }

  private:
    std::string mFormTemplatePath;
    std::string mToolDBPath;
    std::string mVersionNumber = "Alpha";
    std::string mReleaseNumber = "1";
};

}  // namespace core
