#pragma once

#include <QString>
#include <stdexcept>

namespace tuk {

// A start-up step that cannot go on; its text is shown and start-up continues.
class StepFailure : public std::runtime_error {
public:
    explicit StepFailure(const QString& text) : std::runtime_error(text.toStdString()) {}
};

} // namespace tuk
