#include "patterns/tier3/GeneratorContext.h"

#include "patternkit/ErrorHandlers.h"

namespace tier3 {

void GeneratorContext::SetInputs(BuildInputs inputs) {
    mInputs = std::move(inputs);
    mOut.reset();
    if (mInputs.engine)
        mOut.emplace(*mInputs.engine);
}

const patternkit::Emitter& GeneratorContext::Out() const {
    if (!mOut)
        vb::Raise(vb::kObjectNotSet);
    return *mOut;
}

void GeneratorContext::WriteErrorHandler(std::string_view procedure, std::string_view exitLabel) {
    mError.procedureLabel = procedure;
    patternkit::Common::GenerateErrorHandler(Engine(), mError.errorSourceClass, procedure, procedure,
                                             exitLabel);
}

void GeneratorContext::WriteTxErrorHandler(std::string_view procedure, std::string_view exitLabel) {
    mError.procedureLabel = procedure;
    patternkit::Common::GenerateTxErrorHandler(Engine(), mError.errorSourceClass, procedure, procedure,
                                               exitLabel);
}

void GeneratorContext::SetRelated(patternkit::BusinessObjectSet children,
                                  patternkit::BusinessObjectSet parents,
                                  patternkit::BusinessObjectSet references) {
    mChildren = std::move(children);
    mParents = std::move(parents);
    mReferences = std::move(references);
    mHasOneParent = mParents.size() == 1;
    if (mHasOneParent)
        mCurrent.parentBusObj = mParents.front();
}

void GeneratorContext::NameComponents(const std::string& busObjName) {
    mComponents = {busObjName, busObjName + "Batch", busObjName + "List", busObjName + "Persist"};
}

}  // namespace tier3
