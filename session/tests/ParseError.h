// What parsing a session script says is wrong with it.
#pragma once

#include "session/Session.h"

#include <string>

inline std::string ErrorOf(const std::string& script) {
    try {
        session::ParseSession(script);
    } catch (const session::SessionError& error) {
        return error.what();
    }
    return "no error";
}
