// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <utility>

namespace corvel {

// Work scheduled on the main loop may fall due after its owner is gone; owners wrap such work
// in guard() so that it then does nothing.
class Lifetime {
public:
    template <typename Task> [[nodiscard]] auto guard(Task task) const
    {
        return [alive = std::weak_ptr<const int>(m_token), task = std::move(task)](auto &&...arguments) mutable {
            if (!alive.expired())
                task(std::forward<decltype(arguments)>(arguments)...);
        };
    }

private:
    std::shared_ptr<const int> m_token = std::make_shared<const int>(0);
};

} // namespace corvel
