#include "frame/block.h"

#include <cstring>

namespace brindle::frame {

bool TextOut::open() noexcept {
    if (buf_ != nullptr) return true;
    if (failed_ || alloc_ == nullptr) return false;
    buf_ = static_cast<char*>(alloc_(want_ + 1));
    if (buf_ == nullptr) {
        failed_ = true;
        return false;
    }
    cap_ = want_;
    return true;
}

void TextOut::slow_put(char c) noexcept {
    if (buf_ == nullptr && open() && len_ < cap_) {
        buf_[len_++] = c;
    } else if (buf_ != nullptr) {
        cut_ = true;
    }
}

void TextOut::append(std::string_view s) noexcept {
    if (s.empty() || !open()) return;
    std::size_t n = s.size();
    if (n > cap_ - len_) {
        n = cap_ - len_;
        cut_ = true;
    }
    std::memcpy(buf_ + len_, s.data(), n);
    len_ += n;
}

void TextOut::fill(char c, std::size_t n) noexcept {
    if (n == 0 || !open()) return;
    if (n > cap_ - len_) {
        n = cap_ - len_;
        cut_ = true;
    }
    std::memset(buf_ + len_, static_cast<unsigned char>(c), n);
    len_ += n;
}

TextOut::Span TextOut::reserve(std::size_t n) noexcept {
    if (!open()) return {nullptr, 0};
    if (n > cap_ - len_) {
        cut_ = true;
        n = cap_ - len_;
    }
    return {buf_ + len_, n};
}

char* TextOut::finish() noexcept {
    if (alloc_ == nullptr || !open()) return nullptr;
    buf_[len_] = '\0';
    char* out = buf_;
    buf_ = nullptr;
    cap_ = 0;
    len_ = 0;
    failed_ = true;  // a finished writer takes no more text
    return out;
}

}  // namespace brindle::frame
