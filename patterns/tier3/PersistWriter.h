#pragma once
// The writer of the layer-3 persistence class Name & "Persist": the only generated class that talks to the
// database. Each group of its procedures is written by a file of its own (Persist*.cpp); this class holds
// what they share: the context, the engine, the transaction-server choice and the small helpers.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "patternkit/Emitter.h"
#include "patterns/tier3/GeneratorContext.h"

namespace tier3 {

class PersistWriter : private patternkit::Emitter {
  public:
    explicit PersistWriter(GeneratorContext& context);

    // The whole class, in the order its members are declared.
    void Write();

  private:
    // PersistClass.cpp
    void WriteHeader();
    void WriteDeclarations();
    void WriteDBMSType();
    void WriteClassInitialize();
    void WriteTranslationArray();
    void WriteObjectControl();
    // PersistAddUpdate.cpp
    void WriteAdd();
    void WriteKeysReadBack();
    void WriteUpdate();
    void WriteMethodProcedures();
    // The head of Update and of a further method: an updating recordset opened on the object's row, with
    // the edit point `editPoint` for its cursor and lock types.
    void WriteUpdatingRecordsetOpening(const std::string& editPoint);
    void WriteChangedFieldBlock(const typelib::IProperty& property);
    void WriteRecordsetUpdateTail(std::string_view exitLabel);
    // PersistReadDelete.cpp
    void WriteDelete();
    void WriteRead();
    void WriteReadFunctions();
    // PersistSearch.cpp
    void WriteSearch();
    void WriteCreateRecordset();
    // PersistState.cpp
    // How many Memo and OLE Object values Post hands Add and Update through the array mstrVarStrings of
    // the declarations: 0 while a call naming each value's field fits in one statement.
    int32_t ArrayedVarStrings() const;
    void WritePost();
    void WriteSetState();
    void WriteGetState();
    // PersistPermittedValues.cpp
    void WritePermittedValues();
    // PersistSql.cpp
    void WriteSelectString();
    void WriteCreateObjectID();
    void WriteGenSQLFromObjectID();
    void WriteGenSQLFromProperties();
    // The condition of the current key property; the first of a clause has no " AND ".
    void WriteWhereTerm(const typelib::IProperty& key, bool isFirst);

    // --- shared helpers (PersistWriter.cpp) ---
    void SetProperty(const std::shared_ptr<typelib::IProperty>& property);
    // The operations' handler: the transaction variant under the transaction server.
    void WriteOperationHandler(std::string_view procedure, std::string_view exitLabel);
    // Picks the standard method by its exact name as the current method; error 5 when the model lacks it.
    const typelib::IMethod& PickStandardMethod(std::string_view name);
    // A standard operation that runs the method's stored procedure: `head` writes what comes before its
    // body, `tail` its handler and end.
    void WriteStoredProcProcedure(std::string_view methodName, const patternkit::LineWriter& head,
                                  const patternkit::LineWriter& tail);
    // A procedure whose items stand in its With block on rs&BusObjName: a part of it takes the recordset,
    // and where the items write the row, also the texts of their Memo and OLE Object properties and the
    // date that stands for none.
    void WriteRecordsetProcedure(patternkit::GrowingProcedure procedure, bool writesRow,
                                 const std::function<void(const typelib::IProperty&)>& item);
    // " Optional NotesVarString As String, ..." or "".
    const std::string& VarStringParams() const { return mVarStringParams; }

    GeneratorContext& mContext;
    const bool mIsMTS;
    const std::string mVarStringParams;
    int32_t mArrayedVarStrings = 0;
    patternkit::PropertySet mKeys;  // in KeyIndex order
};

}  // namespace tier3
