// Window variables and module variables as bytes, so that the journal can keep and compare
// the state that lives outside the controls: numbers, strings, arrays and vectors of them.
#pragma once

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace ui {

class StateWriter {
public:
    template <typename T>
        requires std::is_trivially_copyable_v<T>
    StateWriter& operator<<(const T& value) {
        bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
        return *this;
    }
    StateWriter& operator<<(const std::string& text) {
        *this << text.size();
        bytes_ += text;
        return *this;
    }
    template <typename T, std::size_t N>
        requires(!std::is_trivially_copyable_v<std::array<T, N>>)
    StateWriter& operator<<(const std::array<T, N>& items) {
        for (const T& item : items) *this << item;
        return *this;
    }
    template <typename A, typename B>
    StateWriter& operator<<(const std::pair<A, B>& pair) {
        return *this << pair.first << pair.second;
    }
    template <typename T>
    StateWriter& operator<<(const std::vector<T>& items) {
        *this << items.size();
        for (const T& item : items) *this << item;
        return *this;
    }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class StateReader {
public:
    explicit StateReader(std::string_view bytes) : bytes_(bytes) {}

    template <typename T>
        requires std::is_trivially_copyable_v<T>
    StateReader& operator>>(T& value) {
        std::memcpy(&value, take(sizeof value), sizeof value);
        return *this;
    }
    StateReader& operator>>(std::string& text) {
        std::size_t size = 0;
        *this >> size;
        text.assign(take(size), size);
        return *this;
    }
    template <typename T, std::size_t N>
        requires(!std::is_trivially_copyable_v<std::array<T, N>>)
    StateReader& operator>>(std::array<T, N>& items) {
        for (T& item : items) *this >> item;
        return *this;
    }
    template <typename A, typename B>
    StateReader& operator>>(std::pair<A, B>& pair) {
        return *this >> pair.first >> pair.second;
    }
    template <typename T>
    StateReader& operator>>(std::vector<T>& items) {
        std::size_t size = 0;
        *this >> size;
        items.assign(size, T{});
        for (T& item : items) *this >> item;
        return *this;
    }

private:
    const char* take(std::size_t n) {
        if (n > bytes_.size() - pos_) throw std::logic_error("state bytes end early");
        const char* at = bytes_.data() + pos_;
        pos_ += n;
        return at;
    }
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace ui
