#include "menu/Sound.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"

void PlayFrontendSound(menu_art::Sound sound) {
    NativeInvoker::Invoke(native::StopFrontendSound, sound.name, sound.soundset);
    NativeInvoker::Invoke(native::PlayFrontendSound, sound.name, sound.soundset, 1, 0);
}
