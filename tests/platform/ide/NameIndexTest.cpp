// Components and controls are found by their folded names through an index that must follow every add,
// rename and removal.

#include <gtest/gtest.h>

#include <functional>

#include "platform/ide/IdeErrors.h"
#include "platform/ide/VBE.h"
#include "tests/platform/ide/TestSupport.h"

namespace vbide {
namespace {

TEST(NameIndexTest, ComponentsAreFoundByFoldedNameAfterEveryChange) {
    const struct {
        const char* what;
        // Changes a project that holds the class "Order" and the module "Common".
        std::function<void(VBComponents&)> change;
        const char* lookFor;
        const char* found;  // the name of what Find gives; null for nothing
        const char* taken;  // a name a new class then cannot have; null when it can have any
    } cases[] = {
        {"as made", [](VBComponents&) {}, "oRDER", "Order", "ORDER"},
        {"renamed to another case", [](VBComponents& c) { c.Item("Order")->SetName("ORDER"); }, "order",
         "ORDER", "Order"},
        {"renamed away, the old name is free", [](VBComponents& c) { c.Item("Order")->SetName("Invoice"); },
         "Order", nullptr, "invoice"},
        {"renamed away, found by the new name", [](VBComponents& c) { c.Item("Order")->SetName("Invoice"); },
         "INVOICE", "Invoice", nullptr},
        {"removed", [](VBComponents& c) { c.Remove(c.Item("order")); }, "Order", nullptr, nullptr},
        {"removed then added again",
         [](VBComponents& c) {
             c.Remove(c.Item("Order"));
             c.Add(vbext_ct_StdModule)->SetName("order");
         },
         "ORDER", "order", "Order"},
        // Names are identifiers: a letter outside Latin-1 is refused and leaves the index as it was.
        {"a name that is no identifier is refused",
         [](VBComponents& c) { ErrorOf([&] { c.Item("Order")->SetName("Order\xE5\x90\x8D"); }); }, "ORDER",
         "Order", "order"},
        {"a Latin-1 name is found in any case",
         [](VBComponents& c) { c.Item("Order")->SetName("\xC3\x84pfel"); }, "\xC3\xA4PFEL", "\xC3\x84pfel",
         "\xC3\xA4pfel"},
        {"taken by a component of another kind", [](VBComponents&) {}, "COMMON", "Common", "common"},
        {"a failed rename changes nothing",
         [](VBComponents& c) { ErrorOf([&] { c.Item("Order")->SetName("Common"); }); }, "order", "Order",
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto vbe = std::make_shared<VBE>();
        auto& components = vbe->VBProjects().Add(2)->VBComponents();
        components.Item("Class1")->SetName("Order");
        components.Add(vbext_ct_StdModule)->SetName("Common");
        c.change(components);
        const auto found = components.Find(c.lookFor);
        EXPECT_EQ(found ? found->Name() : "(none)", c.found ? c.found : "(none)");
        if (found) {
            EXPECT_EQ(components.Item(c.lookFor), found);
        } else {
            EXPECT_EQ(ErrorOf([&] { components.Item(c.lookFor); }).Number(), vb::kSubscriptOutOfRange);
        }
        auto added = components.Add(vbext_ct_ClassModule);
        if (c.taken) {
            EXPECT_EQ(ErrorOf([&] { added->SetName(c.taken); }).Number(), vb::kDuplicateKey);
        }
        EXPECT_EQ(components.Find("Order") == nullptr, components.Find("order") == nullptr);
    }
}

TEST(NameIndexTest, NewComponentsSkipNamesTakenInAnyCase) {
    const struct {
        const char* taken;
        vbext_ComponentType kind;
        const char* expected;
    } cases[] = {
        {"CLASS1", vbext_ct_ClassModule, "Class2"},
        {"module1", vbext_ct_StdModule, "Module2"},
        {"Module1", vbext_ct_ClassModule, "Class1"},
    };
    for (const auto& c : cases) {
        auto vbe = std::make_shared<VBE>();
        auto& components = vbe->VBProjects().Add(2)->VBComponents();
        components.Remove(components.Item(1));
        components.Add(vbext_ct_StdModule)->SetName(c.taken);
        EXPECT_EQ(components.Add(c.kind)->Name(), c.expected) << c.taken;
    }
}

TEST(NameIndexTest, ControlsAreFoundByFoldedNameInTheirOrderOnTheForm) {
    const struct {
        const char* what;
        // Changes a form that holds Text1, Text2 and Text3, in that order.
        std::function<void(VBControls&)> change;
        const char* lookFor;
        const char* foundDefault;  // the default name (its text) of what Item gives; null for nothing
    } cases[] = {
        {"as made", [](VBControls&) {}, "TEXT2", "Text2"},
        {"renamed to another case", [](VBControls& c) { c.Item("Text2")->SetName("TEXT2"); }, "text2",
         "Text2"},
        {"renamed away", [](VBControls& c) { c.Item("Text2")->SetName("txtName"); }, "Text2", nullptr},
        {"found by the new name", [](VBControls& c) { c.Item("Text2")->SetName("txtName"); }, "TXTNAME",
         "Text2"},
        {"an array is found by its first member on the form, whichever joined first",
         [](VBControls& c) {
             c.Item("Text3")->Properties("Index")->SetValue(int16_t{1});
             c.Item("Text3")->SetName("txtField");
             c.Item("Text1")->Properties("Index")->SetValue(int16_t{0});
             c.Item("Text1")->SetName("TXTFIELD");
         },
         "txtfield", "Text1"},
        {"a refused name leaves the old one",
         [](VBControls& c) { ErrorOf([&] { c.Item("Text1")->SetName("txt\xE5\x90\x8D"); }); }, "TEXT1",
         "Text1"},
        {"a Latin-1 name is found in any case",
         [](VBControls& c) { c.Item("Text1")->SetName("txt\xC3\x84"); }, "TXT\xC3\xA4", "Text1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto vbe = std::make_shared<VBE>();
        auto& controls = vbe->VBProjects().Add(0)->VBComponents().Item(1)->Designer()->VBControls();
        for (int i = 0; i < 3; ++i)
            controls.Add("TextBox");
        c.change(controls);
        if (c.foundDefault) {
            EXPECT_EQ(controls.Item(c.lookFor)->Properties("Text")->Value().ToString(), c.foundDefault);
        } else {
            EXPECT_EQ(ErrorOf([&] { controls.Item(c.lookFor); }).Number(), vb::kSubscriptOutOfRange);
        }
    }
}

}  // namespace
}  // namespace vbide
