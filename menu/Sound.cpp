#include "menu/Sound.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"

void PlayFrontendSound(MenuArt::Sound sound) {
    NativeInvoker::Invoke(Native::StopFrontendSound, sound.name, sound.soundset);
    NativeInvoker::Invoke(Native::PlayFrontendSound, sound.name, sound.soundset, 1, 0);
}
