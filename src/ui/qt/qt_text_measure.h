#pragma once

#include "ui/services.h"

namespace ui::qt {

// Widths of captions as the labels draw them, for labels that size to their caption.
class QtTextMeasure final : public TextMeasure {
public:
    [[nodiscard]] Twips width(std::string_view text, double points) override;
};

}  // namespace ui::qt
