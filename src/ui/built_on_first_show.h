#pragma once
// A companion window is loaded hidden at start and seldom opened: it builds its
// menus and controls the first time it shows, not when it is made.

namespace tallimo::ui {

template <typename Window>
class BuiltOnFirstShow : public Window {
public:
    using Window::Window;

    // Builds the controls now, for whoever needs them before the first show.
    void ensureBuilt()
    {
        if (built_) return;
        built_ = true;
        build();
    }

    void setVisible(bool visible) override
    {
        if (visible) ensureBuilt();
        Window::setVisible(visible);
    }

protected:
    bool built() const { return built_; }
    virtual void build() = 0;

private:
    bool built_ = false;
};

}  // namespace tallimo::ui
