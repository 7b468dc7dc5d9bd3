#pragma once
// The add-in's standard module Common: the procedures its forms share.

#include "core/CommonModelQueries.h"
#include "core/CommonNames.h"
#include "core/CommonStatus.h"
