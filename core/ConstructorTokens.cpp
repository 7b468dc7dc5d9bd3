// The engine's tokens: the built-in list, where each value comes from, and the substitution of a line.

#include <algorithm>
#include <array>

#include "core/ObjectAccess.h"
#include "core/qelApplication.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/vb/Text.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IField.h"
#include "typelib/IMethod.h"
#include "typelib/IProperty.h"
#include "typelib/ITable.h"

namespace core {
namespace {

// The built-in tokens in list order; a token's place in the list is its identity.
enum BuiltInToken : size_t {
    AppName,
    AppDSN,
    AppLocalDBName,
    BusObjName,
    L2BusObjClass,
    L2DisplayClass,
    L2ListClass,
    L3BusObjClass,
    L3ListClass,
    BusObjTable,
    BusObjParent,
    BusObjChild,
    BusObjBaseErrorNumber,
    BusObjSQLTable,
    ParentBusObjName,
    ChildBusObjName,
    ReferenceBusObjName,
    PropName,
    PropDataType,
    PropAccess,
    PropLabel,
    PropLength,
    PropIsKey,
    PropFieldName,
    PropControlType,
    VirtPropOwnerBusObj,
    VirtPropOrigName,
    SQLDelimiter,
    PropConvertFunction,
    PropSQLFieldName,
    PVFkeyDisplayedProp,
    MethodName,
    DBMS_Access,
    DBMS_Table,
    DBMS_DAO_DBName,
    App_First_Form,
    ZunVersion,
    ZunRelease,
    BuiltInTokenCount
};

constexpr std::array<const char*, BuiltInTokenCount> kBuiltInTokens = {
    "&AppName",
    "&AppDSN",
    "&AppLocalDBName",
    "&BusObjName",
    "&L2BusObjClass",
    "&L2DisplayClass",
    "&L2ListClass",
    "&L3BusObjClass",
    "&L3ListClass",
    "&BusObjTable",
    "&BusObjParent",
    "&BusObjChild",
    "&BusObjBaseErrorNumber",
    "&BusObjSQLTable",
    "&ParentBusObjName",
    "&ChildBusObjName",
    "&ReferenceBusObjName",
    "&PropName",
    "&PropDataType",
    "&PropAccess",
    "&PropLabel",
    "&PropLength",
    "&PropIsKey",
    "&PropFieldName",
    "&PropControlType",
    "&VirtPropOwnerBusObj",
    "&VirtPropOrigName",
    "&SQLDelimiter",
    "&PropConvertFunction",
    "&PropSQLFieldName",
    "&PVFkeyDisplayedProp",
    "&MethodName",
    "&DBMS_Access",
    "&DBMS_Table",
    "&DBMS_DAO_DBName",
    "&App_First_Form",
    "&ZunVersion",
    "&ZunRelease",
};

std::string_view ConvertFunctionOf(std::string_view dataType) {
    static constexpr std::pair<std::string_view, std::string_view> kFunctions[] = {
        {"String", "CStr"},  {"Date", "CDate"},    {"Long", "CLng"},
        {"Double", "CDbl"},  {"Currency", "CCur"}, {"Single", "CSng"},
        {"Integer", "CInt"}, {"Decimal", "CDec"},  {"Boolean", "CBool"},
    };
    for (const auto& [type, function] : kFunctions) {
        if (dataType == type)
            return function;
    }
    return {};
}

// The property that a foreign property stands for.
const typelib::IProperty& ForeignOrigin(const typelib::IProperty& property) {
    return Required(Required(property.ForeignKeyField()).BusObjProperty());
}

}  // namespace

void qelConstructor::RegisterTokens() {
    mTokens = TokenTable();
    for (const char* token : kBuiltInTokens)
        mTokens.Add(token);
}

bool qelConstructor::IsPlainName(std::string_view name) {
    // Blanks around a name are no part of it.
    return std::ranges::all_of(vb::Trim(name), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::string qelConstructor::SqlName(const std::string& name) {
    // Inside brackets only "]" is special: SQL reads "]]" as one.
    return "[" + vb::Replace(name, "]", "]]") + "]";
}

std::string_view qelConstructor::TokenValue(size_t token) const {
    // Values the model holds are read in place; the others are made in mValue.
    const auto made = [this](std::string value) -> std::string_view {
        mValue = std::move(value);
        return mValue;
    };
    const auto sqlForm = [&](const std::string& name) {
        return IsPlainName(name) ? std::string_view(name) : made(SqlName(name));
    };
    switch (token) {
        case AppName:
            return made(Required(mApplication).Name());
        case AppDSN:
            return made(Required(mApplication).DSN());
        case AppLocalDBName:
            return made(Required(mApplication).LocalDBName());
        case BusObjName:
            return Required(CurrentBusObj()).Name();
        case BusObjTable:
            return Required(Required(CurrentBusObj()).Table()).Name();
        case BusObjBaseErrorNumber:
            return made(std::to_string(Required(CurrentBusObj()).BaseErrorNumber()));
        case BusObjSQLTable:
            return sqlForm(Required(Required(CurrentBusObj()).Table()).Name());
        case ParentBusObjName:
            return Required(CurrentParentBusObj()).Name();
        case ChildBusObjName:
            return Required(CurrentChildBusObj()).Name();
        case ReferenceBusObjName:
            return Required(CurrentReferenceBusObj()).Name();
        case PropName:
            return Required(CurrentProperty()).Name();
        case PropDataType:
            return Required(CurrentProperty()).DataType();
        case PropAccess:
            return made(Required(CurrentProperty()).Access());
        case PropLabel:
            return made(Required(CurrentProperty()).Label());
        case PropLength:
            return made(std::to_string(Required(CurrentProperty()).Length()));
        case PropIsKey:
            return Required(CurrentProperty()).IsKey() ? "True" : "False";
        case PropFieldName:
            return Required(Required(CurrentProperty()).Field()).Name();
        case PropControlType:
            return made(Required(CurrentProperty()).ControlType());
        case VirtPropOwnerBusObj: {
            const typelib::IProperty& property = Required(CurrentProperty());
            return property.IsForeignProperty() ? made(ForeignOrigin(property).BusinessObjectName()) : "";
        }
        case VirtPropOrigName: {
            const typelib::IProperty& property = Required(CurrentProperty());
            return property.IsForeignProperty() ? std::string_view(ForeignOrigin(property).Name()) : "";
        }
        case SQLDelimiter:
            return Required(CurrentProperty()).DataType() == "String" ? "'" : "";
        case PropConvertFunction:
            return ConvertFunctionOf(Required(CurrentProperty()).DataType());
        case PropSQLFieldName:
            return sqlForm(Required(Required(CurrentProperty()).Field()).Name());
        case PVFkeyDisplayedProp:
            return Required(Required(CurrentProperty()).PVFKeyDisplayedProp()).Name();
        case MethodName:
            return Required(CurrentMethod()).Name();
        case ZunVersion:
            return made(Required(mToolProperties).VersionNumber());
        case ZunRelease:
            return made(Required(mToolProperties).ReleaseNumber());
        default:
            // The tokens kept only for their place, and every token added later, stand for nothing.
            return {};
    }
}

std::shared_ptr<typelib::IBusinessObject> qelConstructor::CurrentBusObj() const {
    return Required(mPattern).CurrentBusObj();
}
std::shared_ptr<typelib::IBusinessObject> qelConstructor::CurrentParentBusObj() const {
    return Required(mPattern).CurrentParentBusObj();
}
std::shared_ptr<typelib::IBusinessObject> qelConstructor::CurrentChildBusObj() const {
    return Required(mPattern).CurrentChildBusObj();
}
std::shared_ptr<typelib::IBusinessObject> qelConstructor::CurrentReferenceBusObj() const {
    return Required(mPattern).CurrentReferenceBusObj();
}
std::shared_ptr<typelib::IProperty> qelConstructor::CurrentProperty() const {
    return Required(mPattern).CurrentProperty();
}
std::shared_ptr<typelib::IMethod> qelConstructor::CurrentMethod() const {
    return Required(mPattern).CurrentMethod();
}

std::string qelConstructor::CreateTokenStr(std::string_view line) {
    return std::string(SubstituteTokens(line));
}

std::string_view qelConstructor::SubstituteTokens(std::string_view line) {
    return mTokens.Substituted(line, mLine, [this](size_t token) { return TokenValue(token); });
}

void qelConstructor::AddTokens(std::string& tokens) {
    tokens = mTokens.AddList(tokens);
}

}  // namespace core
