#include "platform/vb/Error.h"

namespace vb {

std::string StandardDescription(int32_t number) {
    switch (number) {
        case 5:
            return "Invalid procedure call or argument";
        case 6:
            return "Overflow";
        case 7:
            return "Out of memory";
        case 9:
            return "Subscript out of range";
        case 11:
            return "Division by zero";
        case 13:
            return "Type mismatch";
        case 52:
            return "Bad file name or number";
        case 53:
            return "File not found";
        case 54:
            return "Bad file mode";
        case 55:
            return "File already open";
        case 56:
            return "Bad file length";
        case 57:
            return "Device I/O error";
        case 58:
            return "File already exists";
        case 70:
            return "Permission denied";
        case 75:
            return "Path/File access error";
        case 76:
            return "Path not found";
        case 91:
            return "Object variable or With block variable not set";
        case 94:
            return "Invalid use of Null";
        case 424:
            return "Object required";
        case 429:
            return "ActiveX component can't create object";
        case 438:
            return "Object doesn't support this property or method";
        case 457:
            return "This key is already associated with an element of this collection";
        default:
            return "Application-defined or object-defined error";
    }
}

Error::Error(int32_t number, std::string description, std::string source)
    : std::runtime_error(description.empty() ? StandardDescription(number) : description),
      mNumber(number),
      mDescription(description.empty() ? StandardDescription(number) : std::move(description)),
      mSource(std::move(source)) {}

void Error::SetDescription(std::string description) {
    mDescription = std::move(description);
    static_cast<std::runtime_error&>(*this) = std::runtime_error(mDescription);
}

void Raise(int32_t number, std::string_view source, std::string_view description) {
    throw Error(number, std::string(description), std::string(source));
}

}  // namespace vb
