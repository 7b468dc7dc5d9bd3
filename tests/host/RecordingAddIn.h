#pragma once
// What the tests see of their add-in: the calls the IDE made on it and the clicks on its button.

#include <string>
#include <vector>

#include "platform/ide/AddIn.h"

class RecordingAddIn : public vbide::IDTExtensibility {
  public:
    // "OnConnection 1", "OnStartupComplete", "OnAddInsUpdate", "OnDisconnection 0", ...
    virtual const std::vector<std::string>& Calls() const = 0;
    virtual int Clicks() const = 0;
};

inline constexpr const char* kTestAddIn = "OstrelTest.AddIn";
inline constexpr const char* kOtherTestAddIn = "OstrelTest.OtherAddIn";
inline constexpr const char* kFailingAddIn = "OstrelTest.FailingAddIn";
inline constexpr const char* kTestButtonCaption = "Test Add-In...";
inline constexpr const char* kOtherButtonCaption = "Other Add-In...";
