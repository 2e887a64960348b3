#include "nullhost/NullHost.h"

#include "host/GameControls.h"
#include "host/Natives.h"
#include "host/PluginMain.h"
#include "host/ScriptHook.h"
#include "nullhost/CallStream.h"

#include <cstring>
#include <stdexcept>

namespace {

// Thrown out of scriptWait, which gives the script's turn back to the caller
// of LoadAndRunToFirstWait; the plug-in's state lives on in its globals.
struct ScriptYielded {};

ScriptRoutine script = nullptr;
KeyboardHandlerFunction keyboardHandler = nullptr;
bool runningScript = false;

// The call in progress: a fixed array, never grown.
constexpr int MaxArguments = 16;
std::uint64_t pendingHash = 0;
std::uint64_t arguments[MaxArguments] = {};
int argumentCount = 0;
std::uint64_t resultSlot = 0;
std::uint64_t nextPrompt = nullhost::FirstPromptHandle;
std::uint32_t pressedControl = 0;

std::uint64_t global = 0;
std::uint64_t globalLookups = 0;
CallStream* recording = nullptr;

std::uint64_t Answer(std::uint64_t hash) {
    switch (hash) {
    case native::InputDeviceQuery:
        return 1;
    case native::BeginPrompt:
        return nextPrompt++;
    case native::MakeLiteralGameString:
        return nullhost::GameStringHandle;
    case native::GetPlayerCharacter:
        return nullhost::PlayerCharacter;
    case native::ControlJustPressed:
        return pressedControl != 0 && argumentCount > 1 && arguments[1] == pressedControl;
    case native::DisabledControlNormal: {
        const float place = argumentCount > 1 && arguments[1] == control::INPUT_CURSOR_X ? nullhost::CursorX
                                                                                         : nullhost::CursorY;
        std::uint32_t bits = 0;
        std::memcpy(&bits, &place, sizeof bits);
        return bits;
    }
    default:
        return 0;
    }
}

// The linked plug-in has no module of its own; any non-null handle will do.
char moduleStandIn;
char windowStandIn;

} // namespace

namespace nullhost {

void Reset() {
    script = nullptr;
    keyboardHandler = nullptr;
    runningScript = false;
    pendingHash = 0;
    argumentCount = 0;
    resultSlot = 0;
    nextPrompt = FirstPromptHandle;
    pressedControl = 0;
    global = 0;
    globalLookups = 0;
    recording = nullptr;
}

void LoadAndRunToFirstWait() {
    DllMain(reinterpret_cast<HINSTANCE>(&moduleStandIn), DLL_PROCESS_ATTACH, nullptr);
    if (script == nullptr) {
        throw std::logic_error("the plug-in registered no script routine");
    }
    runningScript = true;
    try {
        script();
    } catch (const ScriptYielded&) {
    }
    runningScript = false;
}

void TapKey(DWORD key) {
    if (keyboardHandler != nullptr) {
        keyboardHandler(key, 1, 0, FALSE, FALSE, FALSE, FALSE);
        keyboardHandler(key, 1, 0, FALSE, FALSE, TRUE, TRUE);
    }
}

void PressControl(std::uint32_t control) {
    pressedControl = control;
}

void RecordInto(CallStream* stream) {
    recording = stream;
}

std::uint64_t GlobalLookups() {
    return globalLookups;
}

} // namespace nullhost

extern "C" {

void scriptRegister(HINSTANCE, ScriptRoutine routine) {
    script = routine;
}
void scriptUnregister(HINSTANCE) {
    script = nullptr;
}
void scriptWait(DWORD) {
    if (runningScript) {
        throw ScriptYielded{};
    }
}
void keyboardHandlerRegister(KeyboardHandlerFunction handler) {
    keyboardHandler = handler;
}
void keyboardHandlerUnregister(KeyboardHandlerFunction) {
    keyboardHandler = nullptr;
}
void nativeInit(std::uint64_t hash) {
    pendingHash = hash;
    argumentCount = 0;
}
void nativePush64(std::uint64_t value) {
    if (argumentCount < MaxArguments) {
        arguments[argumentCount++] = value;
    }
}
std::uint64_t* nativeCall() {
    resultSlot = Answer(pendingHash);
    if (recording != nullptr) {
        recording->Add(pendingHash, arguments, argumentCount);
    }
    return &resultSlot;
}
std::uint64_t* getGlobalPtr(int) {
    ++globalLookups;
    return &global;
}

int GetSystemMetrics(int index) {
    return index == SM_CXSCREEN ? 1920 : index == SM_CYSCREEN ? 1080 : 0;
}
HWND FindWindowA(const char*, const char*) {
    return reinterpret_cast<HWND>(&windowStandIn);
}
BOOL GetWindowRect(HWND, RECT* rect) {
    *rect = {0, 0, 1920, 1080};
    return TRUE;
}
DWORD GetTickCount() {
    return nullhost::TickCount;
}
// No module path: a plug-in keeps no settings file here.
DWORD GetModuleFileNameA(HINSTANCE, char*, DWORD) {
    return 0;
}
BOOL MoveFileExA(const char*, const char*, DWORD) {
    return FALSE;
}
void ReleaseRuntimeMemory() {}
}
