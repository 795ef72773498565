// A drop-down list of named pictures. The pictures are plain colour swatches held in an
// ImageList shared by several lists.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Color.h"
#include "ui/Control.h"

namespace ui {

// Pictures numbered from 1, each a swatch of one colour.
struct ImageList {
    std::vector<Color> pictures;
    Color picture(int number) const;  // black for a number that is not in the list
};

class ImageCombo : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "ImageCombo"; }

    struct Item {
        int picture;
        std::string name;
    };

    void setImageList(const ImageList* list) { imageList_ = list; changed.emit(); }
    const ImageList* imageList() const { return imageList_; }

    void clearItems();
    void addItem(int picture, const std::string& name);
    const std::vector<Item>& items() const { return items_; }

    // The text shown in the box; code may set any text.
    const std::string& text() const { return text_; }
    void setText(const std::string& text) { assign(Field::Text, text_, text); }

    // 1-based entry selected, 0 for none. Selecting from code shows the entry's name and
    // fires no Click.
    int selected() const { return selected_; }
    void select(int entry);

    // The user picks the entry with this name: it is selected, then Click fires. False when
    // no entry has that name.
    bool pick(const std::string& name);

    std::function<void()> onClick;

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    const ImageList* imageList_ = nullptr;
    std::vector<Item> items_;
    std::string text_;
    int selected_ = 0;
};

}  // namespace ui
