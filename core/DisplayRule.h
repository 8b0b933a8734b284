#pragma once

#include "core/ContactStatus.h"

// What a display rule makes of a contact window with a given status.
enum class RuleVisibility {
    Shown,
    Hidden,
    Unchanged, // a rule outside 0..3, set by hand
};

RuleVisibility DisplayRuleVisibility(int nDisplayRule, int nStatus);
