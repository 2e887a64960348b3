#include "menu/Prompts.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Menu.h"

using NativeInvoker::Invoke;

void CreatePrompt(std::uint32_t& handle, const char* text, std::uint32_t control) {
    handle = Invoke<std::uint32_t>(native::BeginPrompt);
    Invoke(native::SetPromptControl, handle, control);
    Invoke(native::SetPromptPriority, handle, 2);
    const auto gameString = Invoke<std::uint64_t>(native::MakeLiteralGameString, 10, "LITERAL_STRING", text);
    Invoke(native::SetPromptText, handle, gameString);
    Invoke(native::SetPromptStandardMode, handle, 1);
    Invoke(native::SetPromptAttribute, handle, 34, 1);
    Invoke(native::EndPrompt, handle);
    Invoke(native::SetPromptVisible, handle, false);
    Invoke(native::SetPromptEnabled, handle, false);
}

void UpdatePrompts() {
    const Menu::Controller& controller = *menuController;
    Invoke(native::SetPromptVisible, controller.selectPrompt, controller.isOpen);
    Invoke(native::SetPromptEnabled, controller.selectPrompt, controller.isOpen);
    Invoke(native::SetPromptVisible, controller.backPrompt, controller.isOpen);
    Invoke(native::SetPromptEnabled, controller.backPrompt, controller.isOpen);
}
