// What the form patterns share, seen from the engine before and without a build: identities, the
// current-object getters each class has, Eval and SetBusObjRole.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "patterns/forms/FormIdentities.h"
#include "patterns/forms/StdLookupForm.h"
#include "patterns/forms/StdStartupForm.h"
#include "tests/support/ErrorNumber.h"

namespace forms_test {
namespace {

using testing_support::ErrorNumberOf;

TEST(FormShell, IdentitiesAreStoredAsTheClassesGiveThem) {
    struct Case {
        patternkit::PatternIdentity identity;
        const char* patternName;
        const char* componentName;
        const char* formTemplate;
    };
    const Case cases[] = {
        {forms::StartupFormIdentity(), "Standard Application Startup Form", "Brisol.StdStartUpForm",
         "frmStd_StartUp.frm"},
        {forms::LookupFormIdentity(), "Standard Look-Up Form", "Brisol.StdListForm", "frmStd_Lookup.frm"},
        {forms::ListFormIdentity(), "Standard List Form", "Brisol.StdListForm", "frmStd_List.frm"},
        {forms::DetailFormIdentity(), "Standard Detail From", "Brisol.StdDetailFrom", "frmSTD_Detail.frm"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.identity.patternName, c.patternName);
        EXPECT_EQ(c.identity.developerName, "QEL");
        EXPECT_EQ(c.identity.version, "1");
        EXPECT_EQ(c.identity.revision, "A");
        EXPECT_EQ(c.identity.componentName, c.componentName);
        EXPECT_EQ(c.identity.formTemplate, c.formTemplate);
    }
}

TEST(FormShell, FreshPatternsAnswerBeforeAnySetter) {
    const std::unique_ptr<typelib::IPattern> patterns[] = {std::make_unique<forms::StdStartupForm>(),
                                                           std::make_unique<forms::StdLookupForm>()};
    const char* names[] = {"Standard Application Startup Form", "Standard Look-Up Form"};
    for (size_t i = 0; i < std::size(patterns); ++i) {
        typelib::IPattern& pattern = *patterns[i];
        EXPECT_EQ(pattern.PatternName(), names[i]);
        EXPECT_EQ(pattern.Eval(""), "");
        EXPECT_EQ(pattern.Eval("&BusObjName"), "");
        pattern.SetBusObjRole(nullptr, "FirstRole");
        EXPECT_EQ(pattern.PatternName(), names[i]);
    }
    EXPECT_EQ(forms::StdLookupForm().Roles(),
              std::vector<std::string>{"FirstRole;Description of first role"});
}

// A getter the class has returns its slot, empty before Build; one it lacks raises 438.
TEST(FormShell, EachClassHasItsOwnCurrentObjectGetters) {
    using Getter = std::function<void(const typelib::IPattern&)>;
    const Getter getters[] = {
        [](const typelib::IPattern& p) { EXPECT_EQ(p.CurrentBusObj(), nullptr); },
        [](const typelib::IPattern& p) { EXPECT_EQ(p.CurrentParentBusObj(), nullptr); },
        [](const typelib::IPattern& p) { EXPECT_EQ(p.CurrentChildBusObj(), nullptr); },
        [](const typelib::IPattern& p) { EXPECT_EQ(p.CurrentReferenceBusObj(), nullptr); },
        [](const typelib::IPattern& p) { EXPECT_EQ(p.CurrentProperty(), nullptr); },
        [](const typelib::IPattern& p) { EXPECT_EQ(p.CurrentMethod(), nullptr); },
    };
    const forms::StdStartupForm startup;
    const forms::StdLookupForm lookup;
    // Bus, parent, child, reference, property, method.
    const int32_t startupErrors[] = {0, 438, 438, 438, 0, 0};
    const int32_t lookupErrors[] = {0, 0, 0, 438, 0, 0};
    for (size_t i = 0; i < std::size(getters); ++i) {
        EXPECT_EQ(ErrorNumberOf([&] { getters[i](startup); }), startupErrors[i]) << "startup getter " << i;
        EXPECT_EQ(ErrorNumberOf([&] { getters[i](lookup); }), lookupErrors[i]) << "look-up getter " << i;
    }
}

}  // namespace
}  // namespace forms_test
