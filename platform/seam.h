// A replaceable platform service: the real function, and a way for tests to put another in.
#pragma once

#include <functional>
#include <utility>

namespace platform {

template <typename Signature> class Seam {
public:
    using Function = std::function<Signature>;

    explicit Seam(Function real) : m_real(real), m_current(std::move(real)) {}

    // Calls a copy, so that a function which replaces itself while it runs stays alive.
    template <typename... Args> decltype(auto) operator()(Args&&... args) const {
        const Function current = m_current;
        return current(std::forward<Args>(args)...);
    }

    // Installs a function and returns the one it replaces; an empty one restores the real one.
    Function replace(Function function) {
        if (!function)
            function = m_real;
        return std::exchange(m_current, std::move(function));
    }

private:
    Function m_real;
    Function m_current;
};

} // namespace platform
