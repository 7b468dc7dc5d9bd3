#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/automation/CreateObject.h"
#include "tests/platform/automation/Greeter.h"

namespace {

class CreateObjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mRegistry = std::filesystem::temp_directory_path() /
                    ("ostrel-registry-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mRegistry);
        automation::RegisterLibrary(TEST_CLASSES_LIBRARY, mRegistry);
        ::setenv("OSTREL_CLASS_REGISTRY", mRegistry.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("OSTREL_CLASS_REGISTRY");
        std::filesystem::remove_all(mRegistry);
    }

    static int ErrorNumberOf(std::string_view progId) {
        try {
            automation::CreateObject(progId);
        } catch (const vb::Error& error) {
            return error.Number();
        }
        return 0;
    }

    std::filesystem::path mRegistry;
};

TEST_F(CreateObjectTest, CreatesARegisteredClassIgnoringLetterCase) {
    auto greeter = automation::CreateObjectAs<Greeter>("testlib.GREETER");
    EXPECT_EQ(greeter->Greet("Ann"), "Hello, Ann");
    EXPECT_NE(automation::CreateObject("TestLib.Greeter"), automation::CreateObject("TestLib.Greeter"));
}

TEST_F(CreateObjectTest, RegistryListsEveryExportedClass) {
    std::ifstream file(mRegistry / "libtest_classes.classes");
    std::string first, second;
    std::getline(file, first);
    std::getline(file, second);
    EXPECT_EQ(first.substr(0, first.find('=')), "TestLib.Greeter");
    EXPECT_EQ(second.substr(0, second.find('=')), "TestLib.Unrelated");
}

TEST_F(CreateObjectTest, FailuresRaiseCannotCreateObject) {
    EXPECT_EQ(ErrorNumberOf("TestLib.Nobody"), vb::kCannotCreateObject);
    std::ofstream(mRegistry / "broken.classes") << "Broken.Thing=/nowhere/libmissing.so\n"
                                                << "Stray.Thing=" << TEST_CLASSES_LIBRARY << "\n";
    EXPECT_EQ(ErrorNumberOf("Broken.Thing"), vb::kCannotCreateObject);
    EXPECT_EQ(ErrorNumberOf("Stray.Thing"), vb::kCannotCreateObject);  // the library does not know it
    try {
        automation::CreateObjectAs<Greeter>("TestLib.Unrelated");
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kTypeMismatch);
    }
}

}  // namespace

TEST_F(CreateObjectTest, ARegistryChangedSinceTheLastCreationIsReadAgain) {
    const auto file = mRegistry / "libtest_classes.classes";
    const auto registered = [&] { return ErrorNumberOf("TestLib.Greeter") == 0; };
    const auto elsewhere = mRegistry.string() + "-elsewhere";
    const struct {
        const char* change;
        std::function<void()> apply;
        bool creates;
    } steps[] = {
        {"as registered", [] {}, true},
        {"file removed", [&] { std::filesystem::remove(file); }, false},
        {"registered again", [&] { automation::RegisterLibrary(TEST_CLASSES_LIBRARY, mRegistry); }, true},
        {"file rewritten", [&] { std::ofstream(file) << "TestLib.Greeter=/nowhere/libmissing.so\n"; }, false},
        {"file removed, another file added that registers the class",
         [&] {
             std::filesystem::remove(file);
             std::ofstream(mRegistry / "other.classes") << "TestLib.Greeter=" << TEST_CLASSES_LIBRARY << "\n";
         },
         true},
        {"another folder",
         [&] {
             automation::RegisterLibrary(TEST_CLASSES_LIBRARY, elsewhere);
             ::setenv("OSTREL_CLASS_REGISTRY", elsewhere.c_str(), 1);
         },
         true},
        {"the folder removed", [&] { std::filesystem::remove_all(elsewhere); }, false},
        {"the folder made again", [&] { automation::RegisterLibrary(TEST_CLASSES_LIBRARY, elsewhere); },
         true},
        {"the folder replaced by an empty one",
         [&] {
             std::filesystem::rename(elsewhere, elsewhere + "-old");
             std::filesystem::create_directory(elsewhere);
         },
         false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.change);
        step.apply();
        EXPECT_EQ(registered(), step.creates);
    }
    std::filesystem::remove_all(elsewhere);
    std::filesystem::remove_all(elsewhere + "-old");
}
