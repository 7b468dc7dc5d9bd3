// Makes a repository file from an SQL text of INSERTs into the repository's tables, and checks that every
// application in it loads. Usage: ostrel-make-sample <statements.sql> <repository file>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/RepositorySchema.h"

namespace {

bool IsCommentOrBlank(const std::string& line) {
    const auto start = line.find_first_not_of(" \t\r");
    return start == std::string::npos || line.compare(start, 2, "--") == 0;
}

// The statements of the text: each ends with a semicolon that ends its line.
std::vector<std::string> Statements(std::istream& in) {
    std::vector<std::string> statements;
    std::string statement;
    bool hasCode = false;
    for (std::string line; std::getline(in, line);) {
        statement += line + "\n";
        hasCode = hasCode || !IsCommentOrBlank(line);
        const auto end = line.find_last_not_of(" \t\r");
        if (hasCode && end != std::string::npos && line[end] == ';') {
            statements.push_back(statement);
            statement.clear();
            hasCode = false;
        }
    }
    if (hasCode)
        statements.push_back(statement);
    return statements;
}

void MakeRepository(const std::filesystem::path& sqlFile, const std::filesystem::path& output) {
    std::ifstream in(sqlFile);
    if (!in)
        vb::Raise(vb::kFileNotFound, "MakeSampleRepository", sqlFile.string());
    const std::filesystem::path partial = output.string() + ".new";
    std::filesystem::remove(partial);
    repository::CreateRepository(partial);
    {
        auto db = dao::SqliteDatabase::Open(partial, dao::OpenMode::ReadWrite);
        dao::Transaction transaction(*db);
        for (const std::string& statement : Statements(in))
            db->Execute(statement);
        transaction.Commit();
        for (const auto& application : repository::ReadStoredApplications(*db))
            repository::LoadApplication(*db, *application);
    }
    std::filesystem::rename(partial, output);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: ostrel-make-sample <statements.sql> <repository file>\n";
        return 2;
    }
    try {
        MakeRepository(argv[1], argv[2]);
    } catch (const vb::Error& error) {
        std::cerr << "ostrel-make-sample: " << error.Description() << " (" << error.Number() << ", "
                  << error.Source() << ")\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "ostrel-make-sample: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
