#include "sim/Recorder.h"

#include "sim/ControlTable.h"
#include "sim/NativeTable.h"
#include "sim/Quoting.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace sim {
namespace {

void AppendFloat(std::string& out, float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

void AppendHex(std::string& out, std::uint64_t value, int digits) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%0*llx", digits, static_cast<unsigned long long>(value));
    out += buffer;
}

void AppendValue(std::string& out, char kind, std::uint64_t slot, const std::string& text) {
    switch (kind) {
    case 'i':
        out += std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(slot)));
        break;
    case 'h':
    case 'b':
        out += std::to_string(static_cast<std::uint32_t>(slot));
        break;
    case 'u':
        AppendHex(out, static_cast<std::uint32_t>(slot), 8);
        break;
    case 'c':
        if (const ControlInfo* control = FindControl(static_cast<std::uint32_t>(slot))) {
            out += control->name;
        } else {
            AppendHex(out, static_cast<std::uint32_t>(slot), 8);
        }
        break;
    case 'f': {
        float value = 0.0f;
        const auto bits = static_cast<std::uint32_t>(slot);
        std::memcpy(&value, &bits, sizeof value);
        AppendFloat(out, value);
        break;
    }
    case 't':
        AppendQuoted(out, text);
        break;
    case 'g':
        AppendHex(out, slot, 1);
        if (!text.empty()) {
            out += '=';
            AppendQuoted(out, text);
        }
        break;
    default:
        AppendHex(out, slot, 1);
        break;
    }
}

} // namespace

float NativeCall::Float(std::size_t i) const {
    float value = 0.0f;
    const auto bits = static_cast<std::uint32_t>(args.at(i));
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t NativeCall::Int(std::size_t i) const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(args.at(i)));
}

void NativeCall::SetVectorResult(float x, float y, float z) {
    const auto slot = [](float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return std::uint64_t{bits};
    };
    result = slot(x);
    resultAfter = {slot(y), slot(z)};
}

void NativeCall::WriteThrough(std::size_t i, std::uint32_t bits) const {
    if (const std::uint64_t address = args.at(i); address != 0) {
        std::memcpy(reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)), &bits, sizeof bits);
    }
}

void NativeCall::WriteThrough(std::size_t i, float value) const {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    WriteThrough(i, bits);
}

std::string Describe(const NativeCall& call) {
    std::string out;
    if (call.info == nullptr) {
        out += "native ";
        AppendHex(out, call.hash, 16);
    } else {
        out += call.info->name;
    }
    out += '(';
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        const char kind =
            call.info != nullptr && i < call.info->arguments.size() ? call.info->arguments[i] : '?';
        if (const char pointee = PointeeKind(kind); pointee == '\0') {
            AppendValue(out, kind, call.args[i], call.texts[i]);
        } else if (call.args[i] == 0 || i >= call.pointees.size()) {
            out += "null";
        } else {
            out += '&';
            AppendValue(out, pointee, call.pointees[i], {});
        }
    }
    out += ')';
    if (call.info == nullptr) {
        out += " -> ";
        AppendHex(out, call.result, 1);
        return out;
    }
    switch (call.info->result) {
    case '-':
        break;
    case 'v':
        out += " -> (";
        AppendValue(out, 'f', call.result, {});
        for (const std::uint64_t slot : call.resultAfter) {
            out += ", ";
            AppendValue(out, 'f', slot, {});
        }
        out += ')';
        break;
    case 't':
        out += " -> ";
        if (call.result == 0) {
            out += "null";
        } else {
            AppendQuoted(out, call.resultText);
        }
        break;
    default:
        out += " -> ";
        AppendValue(out, call.info->result, call.result, {});
        break;
    }
    return out;
}

std::vector<std::string> Describe(const Frame& frame) {
    std::vector<std::string> lines;
    lines.reserve(frame.size());
    for (const NativeCall& call : frame) {
        lines.push_back(Describe(call));
    }
    return lines;
}

void Recorder::Record(NativeCall call) {
    if (frames_.empty()) {
        frames_.emplace_back();
    }
    frames_.back().push_back(std::move(call));
}

const Frame& Recorder::Last() const {
    static const Frame none;
    return frames_.empty() ? none : frames_.back();
}

std::vector<std::string> Recorder::DescribeLast() const {
    return Describe(Last());
}

} // namespace sim
