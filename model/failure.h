// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace tavrin {

// Every failure the planner reports: plain() in words for the user, what() in
// full for standard error. Thrown, and caught only where the work that met it
// began; across the printer's thread it travels as a value.
class Failure : public std::runtime_error
{
public:
    Failure(std::string plain, const std::string& detail)
        : std::runtime_error(detail), plain_(std::move(plain))
    {
    }
    const std::string& plain() const { return plain_; }

private:
    std::string plain_;
};

} // namespace tavrin
