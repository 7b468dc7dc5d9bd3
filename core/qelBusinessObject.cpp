#include "core/qelBusinessObject.h"

#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelTable.h"

namespace core {

qelBusinessObject::qelBusinessObject()
    : mProperties(std::make_shared<PropertyCollection>()),
      mKeyProperties(std::make_shared<PropertyCollection>()),
      mMethods(std::make_shared<MethodCollection>()),
      mWindows(std::make_shared<VariantCollection>()),
      mTable(std::make_shared<qelTable>()),
      mSourceAssociations(std::make_shared<AssociationCollection>()),
      mTargetAssociations(std::make_shared<AssociationCollection>()) {}

std::shared_ptr<typelib::ITable> qelBusinessObject::GetTable() const {
    return mTable;
}
std::shared_ptr<typelib::PropertyList> qelBusinessObject::GetProperties() const {
    return mProperties;
}
std::shared_ptr<typelib::MethodList> qelBusinessObject::GetMethods() const {
    return mMethods;
}
std::shared_ptr<typelib::AssociationList> qelBusinessObject::GetSourceAssociations() const {
    return mSourceAssociations;
}
std::shared_ptr<typelib::AssociationList> qelBusinessObject::GetTargetAssociations() const {
    return mTargetAssociations;
}

std::shared_ptr<qelBusinessObject> NewBusinessObject(const std::string& name, const std::string& tableName) {
    auto businessObject = std::make_shared<qelBusinessObject>();
    businessObject->SetName(name);
    businessObject->SetL1ClassName(name + "UI");
    businessObject->SetL2BusObjClass(name);
    businessObject->SetL2DisplayClass(name + "Display");
    businessObject->SetL2ListClass(name + "List");
    businessObject->SetL3BusObjClass(name + "Persist");
    businessObject->SetL3ListClass(name + "ListPersist");
    businessObject->Table()->SetName(tableName);
    businessObject->Table()->SetBusinessObject(businessObject);
    for (const char* methodName : {"Add", "Update", "Read", "Delete"}) {
        auto method = std::make_shared<qelBusObjMethod>();
        method->SetName(methodName);
        method->SetMethodType("Sub");
        method->SetReturnDataType("None");
        businessObject->Methods()->Add(method, name + ".Methods." + methodName);
    }
    return businessObject;
}

}  // namespace core
