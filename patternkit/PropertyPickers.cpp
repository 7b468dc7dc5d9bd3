#include "patternkit/PropertyPickers.h"

#include "patternkit/PropertySets.h"
#include "patternkit/frmImportSelection.h"

namespace patternkit::Common {
namespace {

using DefaultSet = PropertySet (*)(const typelib::IBusinessObject&);

PropertySet Prompt(const typelib::IBusinessObject& businessObject, const std::string& message,
                   const std::string& caption, DefaultSet defaultSet) {
    frmImportSelection picker;
    picker.SetAvailableItems(AllOf(Required(businessObject.Properties())));
    picker.SetMessage(message);
    picker.SetCaption(caption);
    picker.Show();
    if (picker.OKClicked())
        return picker.SelectedItems();
    return defaultSet(businessObject);
}

}  // namespace

PropertySet PromptDetailProperties(const typelib::IBusinessObject& businessObject,
                                   const std::string& message) {
    return Prompt(businessObject, message, "Select Detail Form Properties", GetDetailProperties);
}

PropertySet PromptListProperties(const typelib::IBusinessObject& businessObject, const std::string& message) {
    return Prompt(businessObject, message, "Select List Properties", GetListProperties);
}

PropertySet PromptSearchProperties(const typelib::IBusinessObject& businessObject,
                                   const std::string& message) {
    return Prompt(businessObject, message, "Select Search Properties", GetSearchProperties);
}

PropertySet PromptContextProperties(const typelib::IBusinessObject& businessObject,
                                    const std::string& message) {
    return Prompt(businessObject, message, "Select Context Properties", GetContextProperties);
}

}  // namespace patternkit::Common
