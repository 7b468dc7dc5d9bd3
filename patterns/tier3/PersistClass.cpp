// The frame of the persistence class: its header, declarations and DBMSType property, and at its end the
// constructor, the translation array, the transaction-server hooks and the closing edit point.

#include "patternkit/CodeHeader.h"
#include "patterns/tier3/PersistWriter.h"
#include "platform/vb/Text.h"

namespace tier3 {

void PersistWriter::WriteHeader() {
    patternkit::Common::WriteCodeHeader(Engine());
    Emit(R"vb(
        |'*******************************************************
        |'Layer 3: &BusObjName Persistence Business Object
        |'*******************************************************
        |'
        |'Standard business operations supported by the persistence business object:
        |'   Add                Creates a new &BusObjName
        |'   Delete             Permanently removes a &BusObjName from the database
        |'   Read               Loads values of a &BusObjName from the database
        |'   Update             Makes changes to a &BusObjName
        |'   Search             Retrieves &BusObjNames from the database using
        |'                      search criteria supplied by the user.
        |'   CreateRecordset    Creates an ADOR recordset used by the &BusObjNameBatch object
        |'   Post               Used by the &BusObjNameBatch object to execute
        |'                      multiple transactions as a batch
        |
        |Option Explicit
        |
    )vb");
}

void PersistWriter::WriteDeclarations() {
    const std::string count = std::to_string(mContext.Properties().size());
    Emit(R"vb(
        |'Operation Codes for &BusObjName
        |Public Enum vbo_oc_&BusObjName_Enum
        |    oc&BusObjName_Add = 10
        |    oc&BusObjName_Delete = 20
        |    oc&BusObjName_Read = 30
        |    oc&BusObjName_Update = 40
        |End Enum
        |
        |'Array maryProperties is created when the persistence business object is
        |'initialized.  It is a two dimensional array.  The first index is the
        |'property number.  The second index (1 to 3) holds the property name,
        |'the name of the field the property is stored in, and the data type.
        |'The array is used to translate property names into field names
        |'in search criteria, and to generate SQL that depends on the DBMS
        |'and the data type.
        |Private maryProperties({{Count}}, 3)
        |
        |Private mudtProps As &BusObjNameProps
        |
        |'SQL syntax is dependent on type of DBMS.  Default DBMS is set
        |'when code is generated and is changed using Property Let
        |Private mintDBMSType As Integer
        |
        |'Variables to hold error number, description, and source
        |Private mlngErrNumber As Long
        |Private mstrErrDescription As String
        |Private mstrErrSource As String
        |
    )vb",
         {{"Count", count}});
    if (mArrayedVarStrings > 0) {
        Emit(R"vb(
            |'The Memo and OLE Object values of a batch row, which Post hands Add and Update
            |Private mstrVarStrings(1 To {{Count}}) As String
            |
        )vb",
             {{"Count", std::to_string(mArrayedVarStrings)}});
    }
    if (mIsMTS) {
        Emit(R"vb(
            |'Declarations required for MTS
            |Implements ObjectControl
            |Private cnnDataBase As ADODB.Connection
            |Private myContext As ObjectContext
        )vb");
    }
}

void PersistWriter::WriteDBMSType() {
    Emit(R"vb(
        |Public Property Get DBMSType() As Integer
        |     DBMSType = mintDBMSType
        |End Property
        |Public Property Let DBMSType(ByVal intDBMSType As Integer)
        |    mintDBMSType = intDBMSType
        |End Property
    )vb");
}

void PersistWriter::WriteClassInitialize() {
    Emit(R"vb(
        |Private Sub Class_Initialize()
        |'SQL for searches varies depending on the DBMS.
        |'In order to correctly generate in all cases the SQL the DBMS must be identified.
        |
    )vb");
    const std::string dbType = vb::Trim(mContext.Application().DBType());
    if (dbType == "SQL") {
        Emit(R"vb(
            |    'SQL Server DBMS
            |    mintDBMSType = dbDBMS_Type_SQLServer
        )vb");
    } else if (dbType == "Access") {
        Emit(R"vb(
            |    'MS Access DBMS
            |    mintDBMSType = dbDBMS_Type_MSAccess
        )vb");
    } else if (dbType == "Oracle") {
        Emit(R"vb(
            |    'Oracle DBMS
            |    mintDBMSType = dbDBMS_Type_Oracle
        )vb");
    }
    Emit(R"vb(
        |
        |'|||  Add new statements here
        |{{Start}}Class Initialize
        |{{End}}
        |
        |End Sub
    )vb");
}

void PersistWriter::WriteTranslationArray() {
    const auto head = [&] {
        Emit(R"vb(
            |Private Sub InitTranslationArray()
            |'The translation array maryProperties is initialized here.
            |'Each row of the array describes one property of the business object.
            |'The three columns hold the property name, the field name and the data type.
            |'The array translates property names used by Layers 1 and 2 into the field
            |'names of the database.  Some of the generated SQL also depends on the DBMS
            |'and on the data type of the property.
            |
        )vb");
    };
    // The row of a property is its place in the model.
    const auto item = [&](size_t index) {
        SetProperty(mContext.Properties()[index]);
        const std::string row = std::to_string(index + 1);
        Emit(R"vb(
            |maryProperties({{Row}}, 1) = Trim("&PropName") ¶
            |maryProperties({{Row}}, 2) = Trim("&PropSQLFieldName") ¶
            |maryProperties({{Row}}, 3) = Trim("&PropDataType") ¶
            |
        )vb",
             {{"Row", row}});
    };
    mContext.Splitter().Write({.name = "InitTranslationArray",
                               .head = head,
                               .items = mContext.Properties().size(),
                               .item = item,
                               .tail = [&] { Emit("|\n|End Sub"); }});
}

void PersistWriter::WriteObjectControl() {
    Emit(R"vb(
        |Private Sub ObjectControl_Activate()
        |
        |    Set myContext = GetObjectContext
        |
        |    'The connection is opened by the public function DBConnect of CommonPersist.
        |    'Every persistence object of the component gets its connection this way
        |    'when it is activated.
        |    Set cnnDataBase = DBConnect()
        |
        |    'The object is not stateless: SetState, the operation and GetState are three
        |    'calls, so commit is disabled until all of them are done.
        |    'GetState (or Delete) calls SetComplete.
        |    myContext.DisableCommit
        |
        |'|||  Add new statements here
        |{{Start}}ObjectControl_Activate
        |{{End}}
        |End Sub
        |Private Sub ObjectControl_Deactivate()
        |
        |    'Destroy objects no longer needed
        |    Set myContext = Nothing
        |    Set cnnDataBase = Nothing
        |
        |'|||  Add new statements here
        |{{Start}}ObjectControl_Deactivate
        |{{End}}
        |End Sub
        |Private Function ObjectControl_CanBePooled() As Boolean
        |    ObjectControl_CanBePooled = True
        |End Function
    )vb");
}

}  // namespace tier3
