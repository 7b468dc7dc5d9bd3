#include "patternkit/ConnectionCode.h"

namespace patternkit::Common {

void WriteConnectionOpen(const Emitter& out, bool viaDataSource, std::string_view userID,
                         std::string_view password) {
    if (viaDataSource) {
        out.Emit(R"vb(
            |    'ODBC Connection
            |    Set cnnDataBase = New ADODB.Connection
            |    strDSN = "&AppDSN" ¶
            |    strUID =  {{UserID}}
            |    strPW = {{Password}}
            |'|||Alter default database connection properties here
            |{{Start}}DB Connect
            |{{End}}DB Connect
            |    cnnDataBase.Open strDSN , strUID , strPW ¶
        )vb",
                 {{"UserID", userID}, {"Password", password}});
        return;
    }
    out.Emit(R"vb(
        |    'MS Access Connection
        |    Set cnnDataBase = New ADODB.Connection
        |    cnnDataBase.Provider = "Microsoft.Jet.OLEDB.3.51" ¶
        |'|||Alter default database connection properties here
        |{{Start}}DB Connect
        |{{End}}DB Connect
        |    cnnDataBase.Open "&AppLocalDBName" ¶
    )vb");
}

}  // namespace patternkit::Common
