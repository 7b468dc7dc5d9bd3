#pragma once
// The add-in's application log: members that other code calls write one error entry there before they
// raise the error again, so that the outermost command reports it. The log is the file
// "<XDG state home>/ostrel/ostrel.log", one line an entry.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/vb/Error.h"

namespace core {

std::filesystem::path ApplicationLogFile();

// Appends one error entry. A log that cannot be written loses the entry, never raises.
void LogError(const std::string& text);

// Runs `body`; an error escaping it is logged as "<label> - <description> (<number>)" and raised again with
// the same number and description and `source` as its whole source.
template <typename Body>
decltype(auto) LogAndRaiseAs(std::string_view label, std::string_view source, Body&& body) {
    try {
        return body();
    } catch (vb::Error& error) {
        LogError(std::string(label) + " - " + error.Description() + " (" + std::to_string(error.Number()) +
                 ")");
        error.SetSource(std::string(source));
        throw;
    }
}

// The usual case: the procedure's name is both the label and the source.
template <typename Body>
decltype(auto) LogAndRaiseAs(std::string_view procedure, Body&& body) {
    return LogAndRaiseAs(procedure, procedure, std::forward<Body>(body));
}

}  // namespace core
