// The record of every native call, frame by frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct NativeInfo;

struct NativeCall {
    std::uint64_t hash = 0;
    std::vector<std::uint64_t> args; // argument slots in push order
    std::vector<std::string> texts;  // per argument: the text it pointed to, or the game string's text
    std::uint64_t result = 0;
    std::array<std::uint64_t, 2> resultAfter{}; // the slots after result's: a vector's y and z
    std::string resultText;                     // the text a text result pointed to
    // Per argument, once an out-parameter is among them: its target's bits after the call.
    std::vector<std::uint32_t> pointees;
    const NativeInfo* info = nullptr; // nullptr for a native the stand-in does not know

    // The argument at position i read as the kind the native declares.
    float Float(std::size_t i) const;
    std::int32_t Int(std::size_t i) const;
    std::uint32_t U32(std::size_t i) const { return static_cast<std::uint32_t>(args.at(i)); }
    const std::string& Text(std::size_t i) const { return texts.at(i); }
    bool Is(std::uint64_t nativeHash) const { return hash == nativeHash; }

    // Answering as the game does: a vector in three slots, and a value
    // written through the out-parameter at position i (none for a null one).
    void SetVectorResult(float x, float y, float z);
    void WriteThrough(std::size_t i, std::uint32_t bits) const;
    void WriteThrough(std::size_t i, float value) const;
};

// One readable line: NAMESPACE::NAME(arguments) -> result. Texts are quoted,
// floats are printed in their shortest exact form, an out-parameter as &value
// (what it held after the call) and addresses never appear, so two runs of the
// same scenario print the same lines.
std::string Describe(const NativeCall& call);

using Frame = std::vector<NativeCall>;

class Recorder {
  public:
    void BeginFrame() { frames_.emplace_back(); }
    void Record(NativeCall call);

    const std::vector<Frame>& Frames() const { return frames_; }
    // Calls of the latest frame; before the first frame, the calls made so far.
    const Frame& Last() const;
    std::vector<std::string> DescribeLast() const;
    void Clear() { frames_.clear(); }

  private:
    std::vector<Frame> frames_;
};

std::vector<std::string> Describe(const Frame& frame);

} // namespace sim
