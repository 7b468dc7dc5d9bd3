#include "patterns/tier3/GeneratorContext.h"

#include "patternkit/ErrorHandlers.h"

namespace tier3 {

namespace {

// A missing item is left to the generator that reads it, which raises 91 in its own name.
template <typename Items>
std::vector<std::string> NamesOf(const Items& items) {
    std::vector<std::string> names;
    for (const auto& item : items) {
        if (item)
            names.push_back(item->Name());
    }
    return names;
}

}  // namespace

void GeneratorContext::SetInputs(BuildInputs inputs) {
    mInputs = std::move(inputs);
    mOut.reset();
    mSplitter.reset();
    if (!mInputs.engine)
        return;
    mSplitter = std::make_unique<patternkit::ProcedureSplitter>(*mInputs.engine);
    mOut.emplace(*mSplitter);
    if (mInputs.businessObject)
        mSplitter->AvoidNamesEndingIn({mInputs.businessObject->Name()});
    mSplitter->AvoidNamesEndingIn(NamesOf(mInputs.properties));
    mSplitter->AvoidNamesEndingIn(NamesOf(mInputs.methods));
}

patternkit::ProcedureSplitter& GeneratorContext::Splitter() const {
    if (!mSplitter)
        vb::Raise(vb::kObjectNotSet);
    return *mSplitter;
}

const patternkit::Emitter& GeneratorContext::Out() const {
    if (!mOut)
        vb::Raise(vb::kObjectNotSet);
    return *mOut;
}

void GeneratorContext::WritePerProperty(patternkit::GrowingProcedure procedure,
                                        const std::function<void(const typelib::IProperty&)>& item) {
    procedure.items = Properties().size();
    procedure.item = [&](size_t index) {
        mCurrent.property = Properties()[index];
        item(patternkit::Required(mCurrent.property));
    };
    Splitter().Write(procedure);
}

patternkit::PropertySet GeneratorContext::PropertiesOf(const patternkit::ProcedurePart& part) const {
    const auto first = Properties().begin();
    return patternkit::PropertySet(first + static_cast<std::ptrdiff_t>(part.first),
                                   first + static_cast<std::ptrdiff_t>(part.end));
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
    if (mSplitter) {
        for (const auto* related : {&mChildren, &mParents, &mReferences})
            mSplitter->AvoidNamesEndingIn(NamesOf(*related));
    }
}

void GeneratorContext::NameComponents(const std::string& busObjName) {
    mComponents = {busObjName, busObjName + "Batch", busObjName + "List", busObjName + "Persist"};
}

}  // namespace tier3
