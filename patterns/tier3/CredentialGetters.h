#pragma once
// The user id and password functions that both shared modules carry, each with its edit point.

namespace tier3 {

class GeneratorContext;

// Writes "Public Function GetUserID () As String" and "Public Function GetPassword () As String", each
// returning its module variable (mstrUserID, mstrPassword).
void WriteCredentialGetters(GeneratorContext& context);

}  // namespace tier3
