#include "patterns/tier3/L2BusObjWriter.h"

#include <array>

#include "patternkit/ErrorHandlers.h"

namespace tier3::l2busobj {

Writer::Writer(GeneratorContext& context)
    : Emitter(context.Engine()), mContext(context), mClassName(context.BusinessObject().Name()) {
    mContext.SetErrorSourceClass(mClassName);
}

void Writer::EditPoint(std::string_view name) {
    Emit("|{{Start}}{{Name}}\n|{{End}}{{Name}}", {{"Name", name}});
}

void Writer::OpenEditPoint(std::string_view name) {
    Emit("|{{Start}}{{Name}}\n|{{End}}", {{"Name", name}});
}

void Writer::ErrorHandler(std::string_view procName, std::string_view editPointName,
                          std::string_view exitLabel) {
    patternkit::Common::GenerateErrorHandler(Engine(), mClassName, procName, editPointName, exitLabel);
}

bool IsStandardOperation(std::string_view methodName) {
    return methodName == "Add" || methodName == "Delete" || methodName == "Update" || methodName == "Read";
}

bool IsNumericType(std::string_view dataType) {
    static constexpr std::array<std::string_view, 7> kNumeric = {"Byte",   "Integer", "Long",    "Single",
                                                                 "Double", "Decimal", "Currency"};
    for (const auto type : kNumeric) {
        if (type == dataType)
            return true;
    }
    return false;
}

MethodSet MethodsOf(const typelib::IBusinessObject& businessObject) {
    MethodSet methods;
    if (const auto list = businessObject.Methods()) {
        for (const auto& method : *list)
            methods.push_back(method);
    }
    return methods;
}

}  // namespace tier3::l2busobj
