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
    mArrayedVarStrings = ArrayedVarStrings();
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

void PersistWriter::WriteStoredProcProcedure(std::string_view methodName, const patternkit::LineWriter& head,
                                             const patternkit::LineWriter& tail) {
    const typelib::IMethod& method = patternkit::Required(mContext.Current().method);
    const typelib::IBusinessObject& businessObject = mContext.BusinessObject();
    const std::string storedProcName = method.StoredProcedureName();
    const std::string tableName = patternkit::Required(businessObject.Table()).Name();
    patternkit::Common::GenerateStoredProcCall(
        mContext.Splitter(),
        {methodName, storedProcName, tableName,
         patternkit::Common::GetMethodInputProperties(businessObject, methodName),
         patternkit::Common::GetMethodOutputProperties(businessObject, methodName), head, tail});
}

void PersistWriter::WriteRecordsetProcedure(patternkit::GrowingProcedure procedure, bool writesRow,
                                            const std::function<void(const typelib::IProperty&)>& item) {
    const auto texts = [&](const patternkit::ProcedurePart& part, auto build) {
        const std::string list = writesRow ? build(mContext.PropertiesOf(part)) : std::string();
        return list.empty() ? list : "," + list;
    };
    procedure.partHead = [&](const patternkit::ProcedurePart& part) {
        const std::string parameters = texts(part, patternkit::Common::BuildVarStringParams);
        Emit("|Private Sub {{Part}}(rs&BusObjName As ADOR.Recordset{{Texts}})",
             {{"Part", part.name}, {"Texts", parameters}});
        if (writesRow)
            EmitLine("Dim dtmDefaultDate As Date      'Used to test if date value was supplied");
        EmitLine("    With rs&BusObjName");
    };
    procedure.partTail = [&](const patternkit::ProcedurePart&) { Emit("|    End With\n|End Sub"); };
    procedure.call = [&](const patternkit::ProcedurePart& part) {
        const std::string arguments = texts(part, patternkit::Common::BuildVarStringParamNames);
        Emit("|        {{Part}} rs&BusObjName{{Texts}}", {{"Part", part.name}, {"Texts", arguments}});
    };
    mContext.WritePerProperty(std::move(procedure), item);
}

void GenerateL3BusObj(GeneratorContext& context) {
    PersistWriter(context).Write();
}

}  // namespace tier3
