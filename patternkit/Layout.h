#pragma once
// The layout procedures of the pattern library's module Common, for the form patterns: frames, button
// rows, property rows and the column plans that use them, all driven by a form_ctl_defaults.

#include "patternkit/LayoutButtons.h"
#include "patternkit/LayoutColumns.h"
#include "patternkit/LayoutFrames.h"
#include "patternkit/LayoutOptionGroup.h"
#include "patternkit/LayoutRows.h"
#include "patternkit/form_ctl_defaults.h"
