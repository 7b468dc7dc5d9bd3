#pragma once
// The continue question: how a pattern reports an engine member that did not succeed, and the answer
// that every pattern of the library reads right after it.

#include <cstdint>
#include <string>

namespace patternkit::Common {

// Project failures (1 to 3) end the build: an OK box, the answer left as it was. Component and control
// failures (4 to 7) ask Yes or No and record the button. 10 records No and any other code Yes, silently.
// `causeTold`: the engine has told why the component was not created; the question then guesses none.
void DisplayConstructorError(int16_t returnCode, const std::string& projectName,
                             const std::string& componentName, const std::string& controlName,
                             bool causeTold = false);

// 6 (go on) or 7 (stop) after a question; 0 until the first one. Shared by every pattern of the library.
int16_t ContinueAnswer();

// Back to 0, as when the library has just been loaded.
void ResetContinueAnswerForTesting();

}  // namespace patternkit::Common
