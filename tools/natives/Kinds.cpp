#include "tools/natives/Kinds.h"

#include "sim/NativeTable.h"

#include <algorithm>
#include <array>

namespace natives {
namespace {

// 32-bit handles the game hands out, each recorded as a number.
constexpr std::array<std::string_view, 18> handleTypes = {
    "Ped",      "Player", "Entity",    "Vehicle", "Object",  "Prompt",    "Cam",      "Blip",    "Pickup",
    "Interior", "FireId", "ScrHandle", "Volume",  "ItemSet", "AnimScene", "PersChar", "PopZone", "PropSet",
};

bool IsHandle(std::string_view type) {
    return std::find(handleTypes.begin(), handleTypes.end(), type) != handleTypes.end();
}

struct Plain {
    std::string_view type;
    char argument;
    char result;
    std::string_view fits; // the chosen kind first
};

// BOOL is an int to the hook: a line written with i records the same 0 and 1.
// A Hash may be a control's, recorded by the control's name (c).
constexpr std::array<Plain, 6> plainTypes = {{
    {"int", 'i', 'i', "i"},
    {"BOOL", 'b', 'b', "bi"},
    {"float", 'f', 'f', "f"},
    {"Hash", 'u', 'u', "uc"},
    {"const char*", 't', 't', "tg"},
    {"Vector3", '\0', 'v', "v"},
}};

const Plain* FindPlain(std::string_view type) {
    const auto found =
        std::find_if(plainTypes.begin(), plainTypes.end(), [type](const Plain& p) { return p.type == type; });
    return found != plainTypes.end() ? &*found : nullptr;
}

TypeKinds Chosen(char kind, std::string_view fits) {
    return {kind, std::string(fits), {}};
}

TypeKinds Refused(std::string reason) {
    return {'\0', {}, std::move(reason)};
}

constexpr std::string_view anyChoice =
    "Any: the reference does not say what it holds; write the line by hand, choosing its kind from "
    "what the native does (sim/NativeTable.h lists them)";

} // namespace

TypeKinds ArgumentKinds(std::string_view type, std::string_view name) {
    if (type == "Any") {
        return {'\0', std::string(sim::ArgumentKinds), std::string(anyChoice)};
    }
    if (type == "Hash" && name == "action") {
        return Chosen('c', "cu"); // the reference's name for a control
    }
    if (type.size() > 1 && type.back() == '*' && type != "const char*") {
        const std::string_view target = type.substr(0, type.size() - 1);
        const Plain* plain = FindPlain(target);
        const char pointee = IsHandle(target) ? 'h' : plain != nullptr ? plain->argument : '\0';
        if (pointee != '\0' && pointee != 't') {
            const char kind = static_cast<char>(pointee - 'a' + 'A');
            return Chosen(kind, std::string(1, kind));
        }
        if (target == "Vector3") {
            return Refused(
                "Vector3*, a pointer to a vector (the game writes three floats, each in its own 8-byte "
                "slot): no kind records it; pass a buffer of three 8-byte slots and write the line "
                "by hand without the stand-in reading it, or give sim/NativeTable.h a kind for it");
        }
        return Refused(std::string(type) +
                       ": a pointer to something with no kind; out-parameters are int*, Hash*, BOOL*, float* "
                       "or a handle's; choose the kind of what the game writes by hand");
    }
    if (IsHandle(type)) {
        return Chosen('h', "h");
    }
    if (const Plain* plain = FindPlain(type); plain != nullptr && plain->argument != '\0') {
        return Chosen(plain->argument, plain->fits);
    }
    if (type == "Vector3") {
        return Refused("Vector3 as an argument: write its x, y and z as three float arguments by hand");
    }
    return Refused(std::string(type) + ": a type this tool does not know; write its kind by hand");
}

TypeKinds ResultKinds(std::string_view type) {
    if (type == "void") {
        return Chosen('-', "-");
    }
    if (type == "Any") {
        return {
            '\0', std::string(sim::ResultKinds),
            "Any: the reference does not say what the result holds; write the line by hand, with - if the "
            "plug-in does not read it"};
    }
    if (IsHandle(type)) {
        return Chosen('h', "h");
    }
    if (const Plain* plain = FindPlain(type)) {
        // A game string (g) is a text result the plug-in only hands back to the game.
        return Chosen(plain->result, type == "const char*" ? "tg" : plain->fits);
    }
    return Refused(std::string(type) + ": a result type this tool does not know; write its kind by hand");
}

bool Fits(const TypeKinds& kinds, char kind) {
    return kinds.fits.find(kind) != std::string::npos;
}

} // namespace natives
