#include "sim/StandInHook.h"

#include "sim/NativeTable.h"

#include <cstring>
#include <stdexcept>

namespace sim {
namespace {
StandInHook* activeHost = nullptr;

const char* NameOf(const void* pointer) {
    return pointer != nullptr ? "set" : "null";
}

// What the game left behind the call's locations is copied now: they are
// valid only until the call returns.
void ReadBack(NativeCall& call) {
    if (call.info == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < call.args.size() && i < call.info->arguments.size(); ++i) {
        if (PointeeKind(call.info->arguments[i]) != '\0') {
            call.pointees.resize(call.args.size());
            if (call.args[i] != 0) {
                std::memcpy(&call.pointees[i],
                            reinterpret_cast<const void*>(static_cast<std::uintptr_t>(call.args[i])),
                            sizeof call.pointees[i]);
            }
        }
    }
    if (call.info->result == 't' && call.result != 0) {
        call.resultText = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(call.result));
    }
}
} // namespace

StandInHook::StandInHook() {
    if (activeHost != nullptr) {
        throw std::logic_error("only one stand-in host at a time");
    }
    activeHost = this;
}

StandInHook::~StandInHook() {
    fiber_.reset();
    activeHost = nullptr;
}

StandInHook* StandInHook::Active() {
    return activeHost;
}

void StandInHook::StartScript() {
    fiber_.reset();
    if (script != nullptr) {
        fiber_ = std::make_unique<ScriptFiber>(script);
    }
}

void StandInHook::ResumeScript() {
    if (fiber_) {
        fiber_->Resume();
    }
}

void StandInHook::AbandonScript() {
    fiber_.reset();
}

void StandInHook::Register(HINSTANCE module, ScriptRoutine routine) {
    hookLog.push_back(std::string("scriptRegister(") + NameOf(module) + ", " +
                      NameOf(reinterpret_cast<const void*>(routine)) + ")");
    scriptModule = module;
    script = routine;
}

// The hook stops running the module's script; it is not resumed again.
void StandInHook::Unregister(HINSTANCE module) {
    hookLog.push_back(std::string("scriptUnregister(") +
                      (module == scriptModule ? "same module" : "other module") + ")");
    if (module == scriptModule) {
        script = nullptr;
        AbandonScript();
    }
}

// The waiting script may be one the host has let go (fiber_ is already
// another one, or none): it is the caller's own fiber that yields.
void StandInHook::Wait(DWORD) {
    if (ScriptFiber* caller = ScriptFiber::Current()) {
        caller->Yield();
    }
}

void StandInHook::RegisterKeyboardHandler(KeyboardHandlerFunction handler) {
    hookLog.push_back(std::string("keyboardHandlerRegister(") +
                      NameOf(reinterpret_cast<const void*>(handler)) + ")");
    keyboardHandler = handler;
}

void StandInHook::UnregisterKeyboardHandler(KeyboardHandlerFunction handler) {
    hookLog.push_back(std::string("keyboardHandlerUnregister(") +
                      (handler == keyboardHandler ? "same handler" : "other handler") + ")");
    if (handler == keyboardHandler) {
        keyboardHandler = nullptr;
    }
}

void StandInHook::BeginNative(std::uint64_t hash) {
    pending_ = NativeCall{};
    pending_.hash = hash;
    pending_.info = FindNative(hash);
}

void StandInHook::PushArgument(std::uint64_t value) {
    const std::size_t position = pending_.args.size();
    pending_.args.push_back(value);
    std::string text;
    // Texts are copied now: their location is valid only until the call returns.
    if (pending_.info != nullptr && position < pending_.info->arguments.size() &&
        pending_.info->arguments[position] == 't' && value != 0) {
        text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(value));
    }
    pending_.texts.push_back(std::move(text));
}

std::uint64_t* StandInHook::CallNative() {
    try {
        game.Answer(pending_);
    } catch (...) {
        // A game that fails a call still shows it in the record.
        recorder.Record(std::move(pending_));
        pending_ = NativeCall{};
        throw;
    }
    ReadBack(pending_);
    resultSlots_ = {pending_.result, pending_.resultAfter[0], pending_.resultAfter[1]};
    recorder.Record(std::move(pending_));
    pending_ = NativeCall{};
    return nullResults ? nullptr : resultSlots_.data();
}

std::uint64_t* StandInHook::GlobalPtr(int index) {
    return game.GlobalPtr(index);
}

} // namespace sim
