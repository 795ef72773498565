// A control array: elements lower..upper of one control type under one name, each
// registered with the window as name(index).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

class Form;

template <typename T>
class ControlArray {
public:
    ControlArray(Form& owner, const std::string& name, int lower, int upper) : lower_(lower) {
        elements_.reserve(static_cast<size_t>(upper - lower + 1));
        for (int i = lower; i <= upper; ++i) elements_.push_back(std::make_unique<T>(owner, name, i));
    }

    T& operator()(int index) { return *elements_.at(slot(index)); }
    const T& operator()(int index) const { return *elements_.at(slot(index)); }

    int lower() const { return lower_; }
    int upper() const { return lower_ + static_cast<int>(elements_.size()) - 1; }

    // Calls f(index, element) for every element in index order.
    template <typename F>
    void forEach(F&& f) {
        for (int i = lower(); i <= upper(); ++i) f(i, (*this)(i));
    }

private:
    size_t slot(int index) const {
        if (index < lower() || index > upper()) {
            throw std::out_of_range("control array index " + std::to_string(index) + " outside " +
                                    std::to_string(lower()) + ".." + std::to_string(upper()));
        }
        return static_cast<size_t>(index - lower_);
    }

    int lower_;
    std::vector<std::unique_ptr<T>> elements_;
};

}  // namespace ui
