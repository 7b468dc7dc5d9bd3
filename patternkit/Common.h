#pragma once
// The pattern library's module Common: every procedure that the patterns share, in one include.
// (Not the add-in's core Common, and not the module Common that generated applications get.)

#include "patternkit/CodeHeader.h"
#include "patternkit/CodeText.h"
#include "patternkit/ConstructorErrors.h"
#include "patternkit/ErrorHandlers.h"
#include "patternkit/Navigation.h"
#include "patternkit/PropertyPickers.h"
#include "patternkit/PropertySets.h"
#include "patternkit/SqlServerType.h"
#include "patternkit/StoredProcCall.h"
