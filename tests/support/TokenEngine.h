#pragma once
// The engine of the generator tests: records every call and line as RecordingConstructor does, but
// resolves the tokens of each line from the pattern's current objects, read through its getters at the
// moment of the Code call as the add-in's engine reads them. A token is resolved only where it stands, so
// a slot a line does not name may be empty; a name read through an empty slot is "". The lines of each
// component are kept apart ("project/component").

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "patternkit/CodeText.h"
#include "tests/patternkit/RecordingConstructor.h"
#include "typelib/IApplication.h"
#include "typelib/IField.h"
#include "typelib/IPattern.h"
#include "typelib/ITable.h"

namespace testing_support {

class TokenEngine : public RecordingConstructor {
  public:
    const typelib::IPattern* pattern = nullptr;
    // For "&AppName", "&AppDSN" and "&AppLocalDBName", which stay as they are without one.
    std::shared_ptr<typelib::IApplication> application;
    std::map<std::string, std::vector<std::string>> componentLines;

    int16_t SetVBComponent(const std::string& projectName, const std::string& componentName,
                           int32_t componentType, const std::string& formTemplateFile) override {
        mComponent = projectName + "/" + componentName;
        return RecordingConstructor::SetVBComponent(projectName, componentName, componentType,
                                                    formTemplateFile);
    }

    void Code(std::string_view line) override {
        const std::string text = CreateTokenStr(line);
        lines.push_back(text);
        componentLines[mComponent].push_back(text);
    }
    std::string CreateTokenStr(std::string_view line) override {
        std::string text(line);
        for (const auto& [token, value] : Tokens()) {
            if (text.find(token) != std::string::npos)
                text = patternkit::Common::ReplaceString(text, token, value(*this));
        }
        return text;
    }

  private:
    using Value = std::function<std::string(const TokenEngine&)>;
    struct Token {
        std::string_view token;
        Value value;
    };

    template <typename Object>
    static std::string NameOf(const Object& object) {
        return object ? object->Name() : std::string();
    }
    static std::string SqlForm(const std::string& name) {
        return name.find(' ') == std::string::npos ? name : "[" + name + "]";
    }
    static std::string ConvertFunction(const std::string& dataType) {
        static const std::map<std::string, std::string> functions = {
            {"String", "CStr"},  {"Date", "CDate"},    {"Long", "CLng"},
            {"Double", "CDbl"},  {"Currency", "CCur"}, {"Single", "CSng"},
            {"Integer", "CInt"}, {"Decimal", "CDec"},  {"Boolean", "CBool"}};
        const auto found = functions.find(dataType);
        return found == functions.end() ? "" : found->second;
    }
    std::shared_ptr<typelib::IProperty> Property() const { return pattern->CurrentProperty(); }
    // The property a foreign property stands for, or nothing.
    std::shared_ptr<typelib::IProperty> Source() const {
        const auto property = Property();
        return property && property->IsForeignProperty() ? property->ForeignKeyField()->BusObjProperty()
                                                         : nullptr;
    }
    std::string TableName() const { return pattern->CurrentBusObj()->Table()->Name(); }
    std::string FieldName() const { return Property()->Field()->Name(); }

    static const std::vector<Token>& Tokens() {
        static const std::vector<Token> tokens = {
            {"&AppName",
             [](const TokenEngine& e) { return e.application ? e.application->Name() : "&AppName"; }},
            {"&AppDSN",
             [](const TokenEngine& e) { return e.application ? e.application->DSN() : "&AppDSN"; }},
            {"&AppLocalDBName",
             [](const TokenEngine& e) {
                 return e.application ? e.application->LocalDBName() : "&AppLocalDBName";
             }},
            {"&ParentBusObjName",
             [](const TokenEngine& e) { return NameOf(e.pattern->CurrentParentBusObj()); }},
            {"&ChildBusObjName",
             [](const TokenEngine& e) { return NameOf(e.pattern->CurrentChildBusObj()); }},
            {"&ReferenceBusObjName",
             [](const TokenEngine& e) { return NameOf(e.pattern->CurrentReferenceBusObj()); }},
            {"&BusObjBaseErrorNumber",
             [](const TokenEngine& e) {
                 return std::to_string(e.pattern->CurrentBusObj()->BaseErrorNumber());
             }},
            {"&BusObjName", [](const TokenEngine& e) { return NameOf(e.pattern->CurrentBusObj()); }},
            {"&BusObjTable", [](const TokenEngine& e) { return e.TableName(); }},
            {"&BusObjSQLTable", [](const TokenEngine& e) { return SqlForm(e.TableName()); }},
            {"&MethodName", [](const TokenEngine& e) { return NameOf(e.pattern->CurrentMethod()); }},
            {"&PropName", [](const TokenEngine& e) { return NameOf(e.Property()); }},
            {"&PropConvertFunction",
             [](const TokenEngine& e) { return ConvertFunction(e.Property()->DataType()); }},
            {"&PropDataType", [](const TokenEngine& e) { return e.Property()->DataType(); }},
            {"&PropFieldName", [](const TokenEngine& e) { return e.FieldName(); }},
            {"&PropSQLFieldName", [](const TokenEngine& e) { return SqlForm(e.FieldName()); }},
            {"&VirtPropOwnerBusObj",
             [](const TokenEngine& e) {
                 const auto source = e.Source();
                 return source ? source->BusinessObjectName() : std::string();
             }},
            {"&VirtPropOrigName", [](const TokenEngine& e) { return NameOf(e.Source()); }},
            {"&PVFkeyDisplayedProp",
             [](const TokenEngine& e) { return NameOf(e.Property()->PVFKeyDisplayedProp()); }},
            {"&SQLDelimiter",
             [](const TokenEngine& e) {
                 const auto property = e.Property();
                 return std::string(property && property->DataType() == "String" ? "'" : "");
             }},
        };
        return tokens;
    }

    std::string mComponent;
};

}  // namespace testing_support
