#include "menu/Prompts.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Menu.h"

using NativeInvoker::Invoke;

void CreatePrompt(std::uint32_t& handle, const char* text, std::uint32_t control) {
    handle = Invoke<std::uint32_t>(Native::BeginPrompt);
    Invoke(Native::SetPromptControl, handle, control);
    Invoke(Native::SetPromptPriority, handle, 2);
    const auto gameString = Invoke<std::uint64_t>(Native::MakeLiteralGameString, 10, "LITERAL_STRING", text);
    Invoke(Native::SetPromptText, handle, gameString);
    Invoke(Native::SetPromptStandardMode, handle, 1);
    Invoke(Native::SetPromptAttribute, handle, 34, 1);
    Invoke(Native::EndPrompt, handle);
    Invoke(Native::SetPromptVisible, handle, false);
    Invoke(Native::SetPromptEnabled, handle, false);
}

void UpdatePrompts() {
    const Menu::Controller& controller = *menuController;
    Invoke(Native::SetPromptVisible, controller.selectPrompt, controller.isOpen);
    Invoke(Native::SetPromptEnabled, controller.selectPrompt, controller.isOpen);
    Invoke(Native::SetPromptVisible, controller.backPrompt, controller.isOpen);
    Invoke(Native::SetPromptEnabled, controller.backPrompt, controller.isOpen);
}
