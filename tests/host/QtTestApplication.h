#pragma once
// One QApplication for the whole test program, made before the first test and gone before the program's
// exit handlers run (a function-local static one would outlive the devices Qt tears down with them).

#include <gtest/gtest.h>

#include <QApplication>

#include <array>
#include <memory>

class QtTestApplication : public ::testing::Environment {
  public:
    void SetUp() override { mApplication = std::make_unique<QApplication>(mArgc, mArgv.data()); }
    void TearDown() override { mApplication.reset(); }

  private:
    int mArgc = 1;
    std::array<char, 10> mName{"test_host"};
    std::array<char*, 2> mArgv{mName.data(), nullptr};
    std::unique_ptr<QApplication> mApplication;
};

inline ::testing::Environment* const kQtTestApplication =
    ::testing::AddGlobalTestEnvironment(new QtTestApplication);
