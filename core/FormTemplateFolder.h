#pragma once
// Whether a folder holds the form templates that a build with forms imports, and what a person is told
// when one is not there.

#include <string>

namespace core {

inline constexpr const char* kFormTemplateNotFoundTitle = "Form Template Not Found";

// The first form template, in the order a build imports them, that is no file in `folder` (a path that
// ends with the separator, as the tool's form template path does); empty when the folder holds them all.
std::string MissingFormTemplate(const std::string& folder);

// The message that names the template file a build or the options dialog did not find.
std::string FormTemplateNotFound(const std::string& file);

}  // namespace core
