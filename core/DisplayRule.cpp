#include "core/DisplayRule.h"

#include "settings/RegistryLayout.h"

RuleVisibility DisplayRuleVisibility(int nDisplayRule, int nStatus)
{
    const auto shownWhen = [](bool bShown) {
        return bShown ? RuleVisibility::Shown : RuleVisibility::Hidden;
    };
    switch (nDisplayRule) {
    case Settings::RULE_SHOW_ALWAYS: return RuleVisibility::Shown;
    case Settings::RULE_HIDE_ALWAYS: return RuleVisibility::Hidden;
    case Settings::RULE_SHOW_ONLY_WHEN_ONLINE: return shownWhen(nStatus == STATUS_ONLINE);
    case Settings::RULE_HIDE_ONLY_WHEN_OFFLINE: return shownWhen(nStatus != STATUS_OFFLINE);
    default: return RuleVisibility::Unchanged;
    }
}
