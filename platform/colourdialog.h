// The system colour chooser, behind an interface so tests can answer it.
#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace platform {

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    // The confirmed colour, or nullopt when the user cancelled.
    virtual std::optional<QColor> choose(QWidget* parent, const QColor& initial) = 0;
};

class QtColourDialog final : public ColourDialog {
public:
    std::optional<QColor> choose(QWidget* parent, const QColor& initial) override;
};

} // namespace platform
