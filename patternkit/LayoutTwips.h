#pragma once
// The pattern kit counts its layout in the twips that the form geometry shares with the check before a
// build.

#include "formlayout/Twips.h"

namespace patternkit {

using formlayout::CountOf;
using formlayout::RoundedQuotient;
using formlayout::Twips;

}  // namespace patternkit
