#pragma once

#include <type_traits>

namespace Settings {

// Runs visit(value) on the value paired with pField in a table that
// forEach walks as visit(field, value): how a field finds its value.
template <typename ForEach, typename Field, typename Visit>
void VisitValueOf(ForEach forEach, Field pField, Visit visit)
{
    forEach([&](auto pEach, const auto& value) {
        if constexpr (std::is_same_v<decltype(pEach), Field>)
            if (pEach == pField)
                visit(value);
    });
}

} // namespace Settings
