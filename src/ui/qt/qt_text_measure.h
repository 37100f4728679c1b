#pragma once

#include "ui/services.h"

namespace ui::qt {

// Captions measured as the labels draw them.
class QtTextMeasure final : public TextMeasure {
public:
    [[nodiscard]] Twips width(std::string_view text, double points) override;
};

}  // namespace ui::qt
