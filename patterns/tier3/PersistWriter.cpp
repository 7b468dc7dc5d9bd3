#include "patterns/tier3/PersistWriter.h"

#include "patternkit/ClosingEditPoint.h"
#include "patternkit/CodeText.h"
#include "patternkit/ErrorHandlers.h"
#include "patternkit/Navigation.h"
#include "patternkit/PropertySets.h"
#include "patternkit/StoredProcCall.h"
#include "patterns/tier3/Generators.h"
#include "patterns/tier3/PersistKeys.h"
#include "typelib/ITable.h"

namespace tier3 {

PersistWriter::PersistWriter(GeneratorContext& context)
    : Emitter(context.Engine()),
      mContext(context),
      mIsMTS(context.Application().IsMTS()),
      mVarStringParams(patternkit::Common::BuildVarStringParams(context.Properties())) {}

void PersistWriter::Write() {
    mContext.SetErrorSourceClass(mContext.Components().persist);
    mKeys = KeysInIndexOrder(mContext.Properties());
    WriteHeader();
    WriteDeclarations();
    WriteDBMSType();
    WriteAdd();
    WriteUpdate();
    WriteDelete();
    WriteRead();
    WriteReadFunctions();
    WriteSearch();
    WriteCreateRecordset();
    WriteMethodProcedures();
    WritePost();
    WriteSetState();
    WriteGetState();
    WritePermittedValues();
    WriteSelectString();
    WriteCreateObjectID();
    WriteGenSQLFromObjectID();
    WriteGenSQLFromProperties();
    WriteClassInitialize();
    WriteTranslationArray();
    if (mIsMTS)
        WriteObjectControl();
    patternkit::WriteClosingEditPoint(*this);
}

void PersistWriter::SetProperty(const std::shared_ptr<typelib::IProperty>& property) {
    mContext.Current().property = property;
}

void PersistWriter::WriteOperationHandler(std::string_view procedure, std::string_view exitLabel) {
    if (mIsMTS)
        mContext.WriteTxErrorHandler(procedure, exitLabel);
    else
        mContext.WriteErrorHandler(procedure, exitLabel);
}

const typelib::IMethod& PersistWriter::PickStandardMethod(std::string_view name) {
    mContext.Current().method = patternkit::Common::GetItemByName(mContext.Methods(), name);
    return patternkit::Required(mContext.Current().method);
}

void PersistWriter::WriteStoredProcBody(std::string_view methodName) {
    const typelib::IMethod& method = patternkit::Required(mContext.Current().method);
    const typelib::IBusinessObject& businessObject = mContext.BusinessObject();
    patternkit::Common::GenerateStoredProcCall(
        Engine(), methodName, method.StoredProcedureName(),
        patternkit::Required(businessObject.Table()).Name(),
        patternkit::Common::GetMethodInputProperties(businessObject, methodName),
        patternkit::Common::GetMethodOutputProperties(businessObject, methodName));
}

void GenerateL3BusObj(GeneratorContext& context) {
    PersistWriter(context).Write();
}

}  // namespace tier3
