#pragma once
// The add-in's help file and its topics.

#include <cstdint>
#include <filesystem>

namespace core {

// "Help/VBOstrel.hlp" beside the add-in library.
std::filesystem::path HelpFilePath();

// Points the help at the add-in's help file and shows one topic.
void ShowHelpTopic(int32_t context);

}  // namespace core
