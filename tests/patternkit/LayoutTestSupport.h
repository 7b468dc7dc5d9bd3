#pragma once
// What the layout tests share: the control calls a test expects written as the engine records them, the
// layout position to compare, and a fixture that answers the continue question from a script.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "patternkit/ConstructorErrors.h"
#include "patternkit/form_ctl_defaults.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/vb/Variant.h"
#include "tests/patternkit/LayoutProperty.h"
#include "tests/patternkit/RecordingConstructor.h"

namespace testing_support {

// The calls a test expects, written as the recording engine writes them.
class ExpectedCalls {
  public:
    ExpectedCalls& Control(const std::string& name, const std::string& progId) {
        mName = name;
        calls.push_back("SetVBControl(" + name + ", " + progId + ")");
        return *this;
    }
    ExpectedCalls& In(const std::string& frameName) {
        calls.push_back("AddVBControlToFrame(" + mName + ", " + frameName + ")");
        return *this;
    }
    ExpectedCalls& Set(const std::string& property, const vb::Variant& value) {
        calls.push_back("SetVBControlProperty(" + property + ", " + value.ToString() + ")");
        return *this;
    }
    // Top, Left, Width, Height in the order the label of a property row sets them.
    ExpectedCalls& RowLabel(const std::string& name, const std::string& caption, int top, int left,
                            int width) {
        return Control("lbl" + name, "Label")
            .Set("Top", top)
            .Set("Left", left)
            .Set("Caption", caption)
            .Set("Height", 350)
            .Set("Width", width)
            .Set("Alignment", 1);
    }
    // A row's data control: Top, Left, Height, empty Text, Width.
    ExpectedCalls& RowData(const std::string& name, const std::string& progId, int top, int left, int height,
                           int width) {
        return Control(name, progId)
            .Set("Top", top)
            .Set("Left", left)
            .Set("Height", height)
            .Set("Text", "")
            .Set("Width", width);
    }

    std::vector<std::string> calls;

  private:
    std::string mName;
};

struct Position {
    int top, left, formWidth, formHeight;
    bool operator==(const Position&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Position& position) {
    return out << "{top " << position.top << ", left " << position.left << ", width " << position.formWidth
               << ", height " << position.formHeight << "}";
}

inline Position PositionOf(const patternkit::form_ctl_defaults& layout) {
    return {layout.top(), layout.left(), layout.actual_form_width(), layout.actual_form_height()};
}

// The engine calls that create controls or set them up, without the rest.
inline std::vector<std::string> ControlCalls(const RecordingConstructor& engine) {
    std::vector<std::string> calls;
    for (const auto& call : engine.calls) {
        if (call.starts_with("SetVBControl") || call.starts_with("AddVBControlToFrame"))
            calls.push_back(call);
    }
    return calls;
}

// The names of the controls asked for, in order.
inline std::vector<std::string> ControlNames(const RecordingConstructor& engine) {
    std::vector<std::string> names;
    for (const auto& call : engine.calls) {
        if (call.starts_with("SetVBControl("))
            names.push_back(call.substr(13, call.find(',') - 13));
    }
    return names;
}

class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override { patternkit::Common::ResetContinueAnswerForTesting(); }
    void TearDown() override { patternkit::Common::ResetContinueAnswerForTesting(); }

    // The n-th control (1-based) is refused with "not created".
    void RefuseControl(std::size_t n) {
        auto& queue = engine.results["SetVBControl"];
        queue.assign(n - 1, 0);
        queue.push_back(typelib::Control_Not_Created);
    }

    RecordingConstructor engine;
    patternkit::form_ctl_defaults layout;
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scope{script};
};

}  // namespace testing_support
