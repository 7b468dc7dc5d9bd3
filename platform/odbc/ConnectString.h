#pragma once
// Connect strings ("KEY=value;KEY=value"): values are braced where they would otherwise end early or
// split, and read back with their braces undone.

#include <string>
#include <utility>
#include <vector>

namespace odbc {

// The value as it may stand after "KEY=": braced, with "}" doubled, when it holds ; { } = or a blank at
// either end; unchanged otherwise.
std::string ConnectValue(const std::string& value);

// "KEY=value;..." of the pairs whose value is not empty, each value through ConnectValue.
std::string JoinConnectString(const std::vector<std::pair<std::string, std::string>>& pairs);

// The pairs of a connect string, braces undone; keys as written.
std::vector<std::pair<std::string, std::string>> SplitConnectString(const std::string& text);

// The value of the PWD (or PASSWORD) key, letter case of the key ignored; empty when there is none.
std::string PasswordOf(const std::string& connectString);

// The connect string with the value of every PWD (or PASSWORD) key read "****".
std::string MaskPassword(const std::string& connectString);

}  // namespace odbc
