// The argument and result kinds of sim/NativeTable.h for the reference's
// types: the kind a new line gets, the kinds a written line may have, and
// why a type gets none.
#pragma once

#include <string>
#include <string_view>

namespace natives {

// What a type can be in host/NativeList.h.
struct TypeKinds {
    char kind = '\0';    // the one a new line gets; '\0' when none is chosen
    std::string fits;    // every kind a line may give it ("" for none; Any fits all)
    std::string refusal; // why no kind is chosen: the type and the choice to make
};

// An argument of type, named as the reference names it ("action").
TypeKinds ArgumentKinds(std::string_view type, std::string_view name);
TypeKinds ResultKinds(std::string_view type);

// Whether a written kind fits the type.
bool Fits(const TypeKinds& kinds, char kind);

} // namespace natives
