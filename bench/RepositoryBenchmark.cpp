// Saving and loading a large application: 500 business objects of 20 properties each.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/LoadAverageReporter.h"
#include "core/qelApplication.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/ApplicationSave.h"
#include "repository/ModelFiling.h"
#include "repository/RepositorySchema.h"

namespace {

constexpr int kBusinessObjects = 500;
constexpr int kPropertiesEach = 20;

std::shared_ptr<core::qelApplication> LargeApplication() {
    auto application = std::make_shared<core::qelApplication>();
    for (int b = 0; b < kBusinessObjects; ++b) {
        auto businessObject = std::make_shared<core::qelBusinessObject>();
        const std::string name = "Object" + std::to_string(b);
        businessObject->SetName(name);
        businessObject->Table()->SetName(name + "Table");
        repository::FileBusinessObject(*application, businessObject);
        for (const char* methodName : {"Add", "Update", "Read", "Delete"}) {
            auto method = std::make_shared<core::qelBusObjMethod>();
            method->SetName(methodName);
            method->SetMethodType("Sub");
            method->SetReturnDataType("None");
            method->SetBusinessObjectName(name);
            repository::FileMethod(*application, method);
        }
        for (int p = 0; p < kPropertiesEach; ++p) {
            auto property = std::make_shared<core::qelBusObjProperty>();
            property->SetName("Property" + std::to_string(p));
            property->SetBusinessObjectName(name);
            property->SetDataType("String");
            property->SetLength(50);
            property->Field()->SetName(property->Name());
            property->Field()->SetTable(businessObject->Table());
            if (p == 1) {
                property->SetIsPVList(true);
                for (const char* value : {"A", "B", "C"})
                    property->PermittedValues()->Add(value, value);
            }
            repository::FileProperty(*application, property);
        }
    }
    return application;
}

repository::ApplicationInfo LargeApplicationInfo() {
    repository::ApplicationInfo info;
    info.Name = "Large";
    info.DBType = "Access";
    return info;
}

class RepositoryFile {
  public:
    RepositoryFile()
        : mPath(std::filesystem::temp_directory_path() /
                ("bench_repository_" + std::to_string(::getpid()) + ".mdb")) {
        std::filesystem::remove(mPath);
        repository::CreateRepository(mPath);
        mRepository = dao::SqliteDatabase::Open(mPath, dao::OpenMode::ReadWrite);
    }
    ~RepositoryFile() {
        mRepository.reset();
        std::filesystem::remove(mPath);
    }
    dao::SqliteDatabase& Repository() { return *mRepository; }

  private:
    std::filesystem::path mPath;
    std::unique_ptr<dao::SqliteDatabase> mRepository;
};

void BM_SaveNewApplication(benchmark::State& state) {
    RepositoryFile file;
    repository::SuppliedApplicationInfo info(LargeApplicationInfo());
    for (auto _ : state) {
        state.PauseTiming();
        auto application = LargeApplication();
        state.ResumeTiming();
        repository::SaveApplication(file.Repository(), *application, false, info);
    }
}
BENCHMARK(BM_SaveNewApplication)->Unit(benchmark::kMillisecond);

void BM_SaveUnchangedApplication(benchmark::State& state) {
    RepositoryFile file;
    repository::SuppliedApplicationInfo info(LargeApplicationInfo());
    auto application = LargeApplication();
    repository::SaveApplication(file.Repository(), *application, false, info);
    for (auto _ : state)
        repository::SaveApplication(file.Repository(), *application, true, info);
}
BENCHMARK(BM_SaveUnchangedApplication)->Unit(benchmark::kMillisecond);

void BM_LoadApplication(benchmark::State& state) {
    RepositoryFile file;
    repository::SuppliedApplicationInfo info(LargeApplicationInfo());
    auto application = LargeApplication();
    repository::SaveApplication(file.Repository(), *application, false, info);
    for (auto _ : state) {
        const auto list = repository::ReadStoredApplications(file.Repository());
        benchmark::DoNotOptimize(repository::LoadApplication(file.Repository(), *list.Item(1)));
    }
}
BENCHMARK(BM_LoadApplication)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithLoadAverage(argc, argv);
}
