// The layer-2 class named after a business object: its values, checks, rules and operations, written in
// one pass in the order the class reads.

#include "patterns/tier3/Generators.h"
#include "patterns/tier3/L2BusObjWriter.h"

namespace tier3 {

void GenerateL2BusObj(GeneratorContext& context) {
    l2busobj::Writer writer(context);
    l2busobj::WriteDeclarations(writer);
    l2busobj::WriteRelationshipMembers(writer);
    l2busobj::WritePropertyProcedures(writer);
    l2busobj::WriteStateAndOperations(writer);
    l2busobj::WriteResetAndSave(writer);
    l2busobj::WriteValidationHelpers(writer);
    l2busobj::WriteClassInitialize(writer);
    l2busobj::WritePropertyValidation(writer);
    l2busobj::WriteStateBuffer(writer);
    l2busobj::WriteRulesAndRestrictions(writer);
    writer.EmitLine("'|||  Add new subs and functions here");
    writer.OpenEditPoint("Additional Subs and Functions");
}

}  // namespace tier3
