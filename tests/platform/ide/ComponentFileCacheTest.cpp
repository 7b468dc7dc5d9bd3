#include "platform/ide/ComponentFileCache.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/IdeErrors.h"
#include "tests/platform/ide/FormFiles.h"
#include "tests/platform/ide/TestSupport.h"

namespace vbide {
namespace {

namespace fs = std::filesystem;

// The template with another caption: "List" becomes `caption`.
std::string TemplateCaptioned(const std::string& caption) {
    std::string text = kTemplate;
    const std::string list = "\"List\"";
    text.replace(text.find(list), list.size(), '"' + caption + '"');
    return text;
}

class ComponentFileCacheTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mFolder =
            fs::temp_directory_path() /
            ("ide_cache_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
             "-" + std::to_string(::getpid()));
        fs::remove_all(mFolder);
        mFile = mFolder / "frmStd_List.frm";
        WriteBytes(mFile, kTemplate);
    }
    void TearDown() override { fs::remove_all(mFolder); }

    std::string CaptionRead() {
        const auto form = mCache.Read(mFile, mChanges);
        return form ? form->Properties("Caption")->Value().ToString() : "(none)";
    }
    // The text the component's file holds when saved.
    std::string SavedText(const VBComponent& component, const std::string& name) {
        WriteComponentFile(component, mFolder / name);
        return ReadBytes(mFolder / name);
    }

    fs::path mFolder;
    fs::path mFile;
    ComponentFileCache mCache;
    ChangeCounterPtr mChanges = std::make_shared<ChangeCounter>();
};

TEST_F(ComponentFileCacheTest, AFileIsReadAgainWhateverChangedIt) {
    const struct {
        const char* what;
        std::function<void(const fs::path&)> change;
        const char* caption;
    } cases[] = {
        {"unchanged", [](const fs::path&) {}, "List"},
        {"rewritten longer", [](const fs::path& file) { WriteBytes(file, TemplateCaptioned("Longer")); },
         "Longer"},
        {"same size, written later",
         [](const fs::path& file) {
             const auto written = fs::last_write_time(file);
             WriteBytes(file, TemplateCaptioned("Tsil"));
             fs::last_write_time(file, written + std::chrono::seconds(2));
         },
         "Tsil"},
        {"same size and time, another file renamed over it",
         [](const fs::path& file) {
             const fs::path other = file.string() + ".new";
             WriteBytes(other, TemplateCaptioned("Tsil"));
             fs::last_write_time(other, fs::last_write_time(file));
             fs::rename(other, file);
         },
         "Tsil"},
        {"removed", [](const fs::path& file) { fs::remove(file); }, "(none)"},
        {"removed and written again",
         [](const fs::path& file) {
             fs::remove(file);
             WriteBytes(file, TemplateCaptioned("Again"));
         },
         "Again"},
        {"a folder in its place",
         [](const fs::path& file) {
             fs::remove(file);
             fs::create_directories(file);
         },
         "(none)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(mFile);
        WriteBytes(mFile, kTemplate);
        ASSERT_EQ(CaptionRead(), "List");
        c.change(mFile);
        EXPECT_EQ(CaptionRead(), c.caption);
        EXPECT_EQ(CaptionRead(), c.caption);
    }
}

TEST_F(ComponentFileCacheTest, AMalformedFileRaisesEachTimeUntilItIsMended) {
    WriteBytes(mFile, "VERSION 5.00\nBegin VB.Form frmBroken\n");
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_EQ(ErrorOf([&] { mCache.Read(mFile, mChanges); }).Number(), kInvalidFileFormat);
    WriteBytes(mFile, kTemplate);
    EXPECT_EQ(CaptionRead(), "List");
}

// Each copy is the file as read, and its own: what one form does to its controls, frames, properties
// and code never reaches another form of the same template, nor the cache.
TEST_F(ComponentFileCacheTest, CopiesHoldTheWholeFileAndShareNothing) {
    const std::string fresh = SavedText(*ReadComponentFile(mFile, mChanges), "fresh.frm");
    // The first two reads read the file; from then on the reads are copies.
    for (int read = 0; read < 2; ++read)
        EXPECT_EQ(SavedText(*mCache.Read(mFile, mChanges), "read.frm"), fresh);
    const auto first = mCache.Read(mFile, mChanges);
    const auto second = mCache.Read(mFile, mChanges);
    ASSERT_NE(first, second);
    EXPECT_EQ(SavedText(*first, "first.frm"), fresh);
    EXPECT_EQ(SavedText(*second, "second.frm"), fresh);

    auto& controls = first->Designer()->VBControls();
    const auto frame = controls.Item("fraInner");
    EXPECT_EQ(frame->Container(), controls.Item("fraOuter"));
    const auto option = controls.Item("optKind");
    EXPECT_EQ(option->Container(), frame);
    const auto text = controls.Add("TextBox");
    text->SetName("txtNew");
    text->SetContainer(frame);
    option->SetName("optOther");
    controls.Item("fraOuter")->Properties("Caption")->SetValue("Changed");
    first->Properties("Caption")->SetValue("Changed");
    first->Designer()->AddObjectLibrary({"{3B7C8863-D78F-101B-B9B5-04021C009402}#1.2#0", "RICHTX32.OCX"});
    first->CodeModule()->InsertLines(1, "' first only");
    first->SetName("frmFirst");

    const uint64_t changesBefore = mChanges->value;
    second->Designer()->VBControls().Item("optKind")->Properties("Caption")->SetValue("C");
    EXPECT_GT(mChanges->value, changesBefore);

    const auto third = mCache.Read(mFile, mChanges);
    EXPECT_EQ(SavedText(*third, "third.frm"), fresh);
    EXPECT_EQ(second->Name(), "frmStd_List");
    EXPECT_EQ(ErrorOf([&] { second->Designer()->VBControls().Item("txtNew"); }).Number(),
              vb::kSubscriptOutOfRange);
    EXPECT_EQ(second->Designer()->VBControls().Item("fraOuter")->Properties("Caption")->Value(),
              vb::Variant("Say \"when\""));
    EXPECT_EQ(second->CodeModule()->CountOfLines(), 4);
    EXPECT_EQ(second->Designer()->ObjectLibraries().size(), 1U);
    // A control of one copy goes into no frame of another.
    EXPECT_EQ(ErrorOf([&] {
                  second->Designer()->VBControls().Item("optKind")->SetContainer(
                      third->Designer()->VBControls().Item("fraInner"));
              }).Number(),
              vb::kInvalidProcedureCall);
}

}  // namespace
}  // namespace vbide
