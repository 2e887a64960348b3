// The native calls one frame made, kept so they can be pushed into the host
// again exactly: the floor a frame's own work is measured against.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct CallStream {
    // Per call: the hash, the argument count, then the argument slots. Text
    // arguments point into texts, copied when the call was recorded.
    std::vector<std::uint64_t> words;
    std::deque<std::string> texts;
    std::size_t calls = 0;

    void Add(std::uint64_t hash, const std::uint64_t* arguments, int count);
    void Clear();
};

// Pushes every recorded call through nativeInit, nativePush64 and nativeCall,
// in order, reading each result as the plug-in would; returns the results'
// sum so that nothing can be left out.
std::uint64_t Replay(const CallStream& stream);
