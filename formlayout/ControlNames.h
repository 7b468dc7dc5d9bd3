#pragma once
// Names of controls made of model names: VB takes at most vb::kMaxNameLength characters in a name, and
// each control of a form needs a name of its own. The layout that places the controls and the code that
// names them both ask here, so that they agree.

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "typelib/IProperty.h"

namespace formlayout {

// The names of one form's controls, made one after another: each cut to what VB takes, kept the first
// time, and numbered ("_2", "_3") where an earlier one or one of `taken` has it (letter case ignored).
class ControlNameSet {
  public:
    explicit ControlNameSet(const std::vector<std::string>& taken = {});

    // A name still to be made, which no number gives another.
    void Reserve(const std::string& name);
    std::string Take(const std::string& whole);

  private:
    std::unordered_set<std::string> mTaken;
    std::unordered_set<std::string> mReserved;
};

// `head` & each of `tails`, cut to what VB takes, and numbered ("_2", "_3") where it meets an earlier
// name of the list or one of `taken` (letter case ignored).
std::vector<std::string> FittedControlNames(const std::string& head, const std::vector<std::string>& tails,
                                            const std::vector<std::string>& taken = {});

// The context frame's label (the label prefix & name) and read-only text box (the text box prefix & parent
// & "_" & name) for each context property of the parent `parentName`, numbered where the form's own
// controls take a name
// (`taken`: a child's key property is often named as its parent's).
struct ContextFrameNames {
    std::vector<std::string> labels;
    std::vector<std::string> textBoxes;
};
ContextFrameNames ContextFrameControlNames(const std::string& parentName,
                                           const std::vector<std::shared_ptr<typelib::IProperty>>& context,
                                           const std::vector<std::string>& taken);

}  // namespace formlayout
