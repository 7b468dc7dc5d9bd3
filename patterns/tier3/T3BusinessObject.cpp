#include "patterns/tier3/T3BusinessObject.h"

#include "patternkit/ConstructorErrors.h"
#include "patternkit/Navigation.h"
#include "platform/ui/Interaction.h"
#include "recordlayout/RecordLayout.h"

namespace tier3 {
namespace {

patternkit::PatternIdentity T3Identity() {
    return {"Three Tier Business Object", "QEL", "1", "A", "Brisol.T3BusinessObject", std::nullopt};
}

bool IsKnownArchitecture(int32_t architecture) {
    return architecture >= typelib::SingleTier && architecture <= typelib::ThreeTier;
}

bool IsProjectFailure(int16_t result) {
    return result >= typelib::Project_Not_Found && result <= typelib::Project_Not_Specified;
}

}  // namespace

T3BusinessObject::T3BusinessObject() : T3BusinessObject(StandardGenerators()) {}

T3BusinessObject::T3BusinessObject(Generators generators)
    : CurrentObjectsPattern(T3Identity()), mGenerators(std::move(generators)), mContext(mCurrent) {}

std::optional<int16_t> T3BusinessObject::Build() {
    return mContext.Trap("Build", [this] { return BuildComponents(); });
}

void T3BusinessObject::Prepare() {
    mContext.SetInputs({mConstructor, mApplication, mBusinessObject,
                        mProperties ? patternkit::AllOf(*mProperties) : patternkit::PropertySet{},
                        mMethods ? patternkit::AllOf(*mMethods) : MethodSet{}});
    const typelib::IBusinessObject& businessObject = BusinessObject();
    mContext.SetRelated(patternkit::Common::GetChildBusObjs(businessObject),
                        patternkit::Common::GetParentBusObjs(businessObject),
                        patternkit::Common::GetReferenceBusObjs(businessObject));
    mContext.NameComponents(businessObject.Name());
    if (mContext.Properties().empty())
        vb::Raise(vb::kSubscriptOutOfRange);
    // Refused before any of its components is made: VB would not compile its record types.
    if (const int32_t bytes = recordlayout::MeasureRecord(mContext.Properties()).byteCount;
        bytes > recordlayout::kMaxRecordBytes) {
        vb::Raise(vb::kInvalidProcedureCall, {},
                  "The record of the business object " + businessObject.Name() + " " +
                      recordlayout::RecordSizeFault(std::to_string(bytes)) + ".");
    }
    mContext.Current().property = mContext.Properties().front();
    mContext.Current().busObj = mBusinessObject;
}

int16_t T3BusinessObject::BuildComponents() {
    Prepare();
    const int32_t architecture = Application().Architecture();
    const ComponentNames& names = mContext.Components();

    const std::string layer2 = Application().L2ProjectName();
    if (!OpenProject(layer2, architecture))
        return typelib::Cancel_Construction;
    if (!BuildComponent(layer2, names.busObj, typelib::ClassModule, mGenerators.GenerateL2BusObj,
                        "GenerateL2BusObj") ||
        !BuildComponent(layer2, names.batch, typelib::ClassModule, mGenerators.GenerateL2Batch,
                        "GenerateL2Batch") ||
        !BuildComponent(layer2, names.list, typelib::ClassModule, mGenerators.GenerateL2List,
                        "GenerateL2List") ||
        !BuildComponent(layer2, names.busObj + "UDT", typelib::StandardModule, mGenerators.GenerateUDT,
                        "GenerateUDT"))
        return typelib::Cancel_Construction;

    const std::string layer3 = Application().L3ProjectName();
    if (!OpenProject(layer3, architecture))
        return typelib::Cancel_Construction;
    if (!BuildComponent(layer3, names.persist, typelib::ClassModule, mGenerators.GenerateL3BusObj,
                        "GenerateL3BusObj"))
        return typelib::Cancel_Construction;
    if (architecture == typelib::ThreeTier) {
        // Only makes the project current again: it exists by now.
        Constructor().SetVBProject(layer3, "0");
        if (!BuildComponent(layer3, names.persist + "UDT", typelib::StandardModule, mGenerators.GenerateUDT,
                            "GenerateUDT"))
            return typelib::Cancel_Construction;
    }

    if (!BuildSharedModule(layer3, "CommonPersist", mGenerators.GenerateCommonLayer3,
                           "GenerateCommonLayer3") ||
        !BuildSharedModule(layer2, "CommonLogical", mGenerators.GenerateCommonLayer2, "GenerateCommonLayer2"))
        return typelib::Cancel_Construction;
    return typelib::Success;
}

bool T3BusinessObject::OpenProject(const std::string& projectName, int32_t architecture) {
    // An unknown architecture names no project type: the project cannot be created.
    const int16_t result =
        IsKnownArchitecture(architecture)
            ? Constructor().SetVBProject(projectName, architecture == typelib::SingleTier ? "0" : "2")
            : int16_t{typelib::Project_Not_Created};
    if (result == typelib::Success)
        return true;
    patternkit::Common::DisplayConstructorError(result, projectName, mComponentName, mControlName);
    return false;
}

bool T3BusinessObject::BuildComponent(const std::string& projectName, const std::string& componentName,
                                      typelib::ComponentType type, const Generator& generator,
                                      const char* procedure) {
    if (!generator)
        return true;
    mComponentName = componentName;
    const int16_t result = Constructor().SetVBComponent(projectName, componentName, type, "");
    if (result != typelib::Success) {
        patternkit::Common::DisplayConstructorError(result, projectName, componentName, mControlName,
                                                    Constructor().FailureTold());
        // The answer of an earlier question must not carry the build past a missing project.
        return !IsProjectFailure(result) && patternkit::Common::ContinueAnswer() == ui::vbYes;
    }
    // Through the context's engine, which begins a new module where the component's coding starts.
    mContext.Engine().StartCoding();
    mContext.Trap(procedure, [&] { generator(mContext); });
    mContext.Engine().FinishCoding();
    return true;
}

bool T3BusinessObject::BuildSharedModule(const std::string& projectName, const std::string& moduleName,
                                         const Generator& generator, const char* procedure) {
    if (!generator || Constructor().VBComponentExists(projectName, moduleName, typelib::StandardModule))
        return true;
    return BuildComponent(projectName, moduleName, typelib::StandardModule, generator, procedure);
}

}  // namespace tier3
