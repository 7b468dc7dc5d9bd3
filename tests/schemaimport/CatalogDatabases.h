#pragma once
// The databases the catalog tests read: one schema made by the test in SQLite and in PostgreSQL (the same
// tables, each database's own spelling), and the Access fixture.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/odbc/Odbc.h"
#include "tests/support/PostgresCluster.h"

namespace catalog_test {

enum class Kind { Sqlite, Postgres };

inline std::vector<std::string> SchemaStatements(Kind kind) {
    const bool pg = kind == Kind::Postgres;
    const std::string autoKey = pg ? "SERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT";
    const std::string blob = pg ? "BYTEA" : "BLOB";
    return {
        R"sql(CREATE TABLE "Orders" ("OrderID" )sql" + autoKey + R"sql(, "Order Date" DATE,
            "Note" VARCHAR(40) NOT NULL, "Amount" DECIMAL(10,2), "Flag" BOOLEAN, "Memo" TEXT,
            "Code" CHAR(5) UNIQUE, "Stamp" TIMESTAMP, "Pic" )sql" +
            blob + R"sql(, "Qty" SMALLINT,
            "Big" BIGINT, "Fl" REAL, "Db" DOUBLE PRECISION, "Price" MONEY, "Id" UUID))sql",
        R"sql(CREATE TABLE "Order_Lines" ("OrderID" INTEGER NOT NULL REFERENCES "Orders" ("OrderID"),
            "LineNo" INTEGER NOT NULL, "Qty" SMALLINT, PRIMARY KEY ("LineNo", "OrderID")))sql",
        R"sql(CREATE TABLE "OrderXLines" ("X" INTEGER UNIQUE))sql",
        R"sql(CREATE TABLE "Emp" ("EmpID" INTEGER PRIMARY KEY, "BossID" INTEGER,
            CONSTRAINT "fk_boss" FOREIGN KEY ("BossID") REFERENCES "Emp" ("EmpID")))sql",
        R"sql(CREATE TABLE "City" ("CityID" INTEGER PRIMARY KEY, "Name ]'x" VARCHAR(20)))sql",
        R"sql(CREATE TABLE "Route ]'s" ("RouteID" INTEGER PRIMARY KEY, "FromCity" INTEGER, "ToCity" INTEGER,
            CONSTRAINT "fk_from" FOREIGN KEY ("FromCity") REFERENCES "City" ("CityID"),
            CONSTRAINT "fk_to" FOREIGN KEY ("ToCity") REFERENCES "City" ("CityID")))sql",
        R"sql(CREATE TABLE "Shipment" ("ShipID" INTEGER PRIMARY KEY, "OID" INTEGER, "LNo" INTEGER,
            CONSTRAINT "fk_line" FOREIGN KEY ("LNo", "OID") REFERENCES "Order_Lines"))sql",
        R"sql(CREATE TABLE "Größe" ("Maß" REAL))sql",
        R"sql(CREATE VIEW "OrderView" AS SELECT "OrderID", "Note" FROM "Orders")sql",
    };
}

inline void Run(const std::string& connectString, const std::vector<std::string>& statements) {
    odbc::Connection connection;
    connection.Open(connectString);
    odbc::Statement statement(connection);
    for (const std::string& sql : statements)
        statement.Execute(sql);
}

// A new PostgreSQL database of the shared cluster holding the schema; its connect string.
inline std::string NewPostgresDatabase() {
    auto& cluster = testing_support::PostgresCluster::Get();
    const std::string name = testing_support::PostgresCluster::NewDatabaseName("catalog");
    Run(cluster.ConnectString("postgres"), {"CREATE DATABASE " + name});
    Run(cluster.ConnectString(name), SchemaStatements(Kind::Postgres));
    return cluster.ConnectString(name);
}

// A new SQLite file holding the schema; its connect string.
inline std::string NewSqliteDatabase(const std::filesystem::path& file) {
    const std::string connectString = "Driver=SQLite3;Database=" + file.string();
    Run(connectString, SchemaStatements(Kind::Sqlite));
    return connectString;
}

}  // namespace catalog_test
