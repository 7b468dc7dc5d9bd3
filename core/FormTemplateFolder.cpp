#include "core/FormTemplateFolder.h"

#include <filesystem>
#include <system_error>

#include "typelib/FormTemplates.h"

namespace core {

std::string MissingFormTemplate(const std::string& folder) {
    for (const char* name : typelib::kFormTemplates) {
        std::error_code unreadable;
        if (!std::filesystem::is_regular_file(folder + name, unreadable))
            return name;
    }
    return {};
}

std::string FormTemplateNotFound(const std::string& file) {
    return "The form template " + file +
           " does not exist. Put the form templates there, or choose the folder that holds them as \"Form "
           "Template Path:\" in the builder's Tool > Options.";
}

}  // namespace core
