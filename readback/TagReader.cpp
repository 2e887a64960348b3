#include "readback/TagReader.h"

#include <cctype>

namespace readback {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-';
}

std::size_t TagReader::Read(std::size_t at, Tag& tag) {
    ++at;
    if (at < text_.size() && text_[at] == '/') {
        tag.closing = true;
        ++at;
    }
    if (at >= text_.size() || !IsNameChar(text_[at])) {
        return std::string_view::npos;
    }
    path_.clear();
    attributes_.clear();
    at_ = nameBegin_ = nameEnd_ = pieceBegin_ = at;
    state_ = State::Name;
    for (;;) {
        ++steps_;
        if (KnownToFail(at_, state_)) {
            return Fail();
        }
        path_.push_back({at_, state_});
        switch (Step(LookAt(at_))) {
        case Next::Go:
            break;
        case Next::Fail:
            return Fail();
        case Next::Close:
            return Succeed(at_ + 1, tag);
        }
    }
}

// What the current state does with the character it looks at. A switch, not
// a table of member pointers: UBSan misreads an index into such a table.
TagReader::Next TagReader::Step(Look look) {
    switch (state_) {
    case State::Name:
        return InName(look);
    case State::Between:
        return Between(look);
    case State::Slash:
        return AfterSlash(look);
    case State::AttributeName:
        return InAttributeName(look);
    case State::BeforeEquals:
        return BeforeEquals(look);
    case State::BeforeValue:
        return BeforeValue(look);
    case State::SingleQuoted:
    case State::DoubleQuoted:
        return InQuotedValue(look);
    case State::Unquoted:
        return InUnquotedValue(look);
    }
    return Next::Fail;
}

std::uint16_t TagReader::Bit(State state) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(state));
}

bool TagReader::KnownToFail(std::size_t at, State state) const {
    return !failed_.empty() && (failed_[at] & Bit(state)) != 0;
}

std::size_t TagReader::Fail() {
    if (failed_.empty()) {
        failed_.assign(text_.size() + 1, 0);
    }
    for (const Visit& visit : path_) {
        failed_[visit.at] = static_cast<std::uint16_t>(failed_[visit.at] | Bit(visit.state));
    }
    return std::string_view::npos;
}

void TagReader::EndValue(std::size_t begin, std::size_t end) {
    attributes_.back().valueBegin = begin;
    attributes_.back().valueEnd = end;
}

std::size_t TagReader::Succeed(std::size_t end, Tag& tag) const {
    tag.name = Upper(text_.substr(nameBegin_, nameEnd_ - nameBegin_));
    for (const AttributeSpan& span : attributes_) {
        tag.attributes[Upper(text_.substr(span.nameBegin, span.nameEnd - span.nameBegin))] =
            std::string(text_.substr(span.valueBegin, span.valueEnd - span.valueBegin));
    }
    return end;
}

TagReader::Look TagReader::LookAt(std::size_t at) const {
    const bool atEnd = at >= text_.size();
    const char c = atEnd ? '\0' : text_[at];
    return {atEnd, c, !atEnd && std::isspace(static_cast<unsigned char>(c)) != 0};
}

TagReader::Next TagReader::InName(Look look) {
    if (!look.atEnd && IsNameChar(look.c)) {
        ++at_;
    } else {
        nameEnd_ = at_;
        state_ = State::Between;
    }
    return Next::Go;
}

TagReader::Next TagReader::Between(Look look) {
    if (look.atEnd) {
        return Next::Fail;
    }
    if (look.space) {
        ++at_;
    } else if (look.c == '>') {
        return Next::Close;
    } else if (look.c == '/') {
        state_ = State::Slash;
        ++at_;
    } else if (IsNameChar(look.c)) {
        pieceBegin_ = at_;
        state_ = State::AttributeName;
    } else {
        return Next::Fail;
    }
    return Next::Go;
}

TagReader::Next TagReader::AfterSlash(Look look) {
    return look.atEnd || look.c != '>' ? Next::Fail : Next::Close;
}

TagReader::Next TagReader::InAttributeName(Look look) {
    if (!look.atEnd && IsNameChar(look.c)) {
        ++at_;
    } else {
        attributes_.push_back({pieceBegin_, at_, 0, 0});
        state_ = State::BeforeEquals;
    }
    return Next::Go;
}

TagReader::Next TagReader::BeforeEquals(Look look) {
    if (look.atEnd || (!look.space && look.c != '=')) {
        return Next::Fail;
    }
    state_ = look.space ? State::BeforeEquals : State::BeforeValue;
    ++at_;
    return Next::Go;
}

TagReader::Next TagReader::BeforeValue(Look look) {
    if (look.atEnd) {
        return Next::Fail;
    }
    if (look.space) {
        ++at_;
    } else if (look.c == '\'' || look.c == '"') {
        state_ = look.c == '\'' ? State::SingleQuoted : State::DoubleQuoted;
        pieceBegin_ = ++at_;
    } else {
        pieceBegin_ = at_;
        state_ = State::Unquoted;
    }
    return Next::Go;
}

TagReader::Next TagReader::InQuotedValue(Look look) {
    if (look.atEnd) {
        return Next::Fail;
    }
    if (look.c == (state_ == State::SingleQuoted ? '\'' : '"')) {
        EndValue(pieceBegin_, at_);
        state_ = State::Between;
    }
    ++at_;
    return Next::Go;
}

TagReader::Next TagReader::InUnquotedValue(Look look) {
    if (look.atEnd || look.c == '>' || look.c == '/' || look.space) {
        EndValue(pieceBegin_, at_);
        state_ = State::Between;
    } else {
        ++at_;
    }
    return Next::Go;
}

} // namespace readback
