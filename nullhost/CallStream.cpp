#include "nullhost/CallStream.h"

#include "host/ScriptHook.h"
#include "sim/NativeTable.h"

#include <stdexcept>

void CallStream::Add(std::uint64_t hash, const std::uint64_t* arguments, int count) {
    const sim::NativeInfo* info = sim::FindNative(hash);
    if (info == nullptr) {
        throw std::logic_error("a native with no known argument kinds cannot be replayed");
    }
    words.push_back(hash);
    words.push_back(static_cast<std::uint64_t>(count));
    for (int i = 0; i < count; ++i) {
        std::uint64_t slot = arguments[i];
        const auto position = static_cast<std::size_t>(i);
        // The plug-in's texts are gone by the replay: push stable copies.
        if (position < info->arguments.size() && info->arguments[position] == 't' && slot != 0) {
            const std::string& copy = texts.emplace_back(reinterpret_cast<const char*>(slot));
            slot = reinterpret_cast<std::uintptr_t>(copy.c_str());
        }
        words.push_back(slot);
    }
    ++calls;
}

void CallStream::Clear() {
    words.clear();
    texts.clear();
    calls = 0;
}

std::uint64_t Replay(const CallStream& stream) {
    std::uint64_t results = 0;
    const std::uint64_t* word = stream.words.data();
    const std::uint64_t* const end = word + stream.words.size();
    while (word != end) {
        nativeInit(word[0]);
        const std::uint64_t* const last = word + 2 + word[1];
        for (word += 2; word != last; ++word) {
            nativePush64(*word);
        }
        const std::uint64_t* slot = nativeCall();
        results += slot ? *slot : 0;
    }
    return results;
}
