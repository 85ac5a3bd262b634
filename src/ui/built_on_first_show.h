#pragma once
// A companion window is loaded hidden at start and seldom opened: it builds its
// menus and controls the first time it shows, not when it is made. Showing is the one
// thing that builds them.

namespace tallimo::ui {

template <typename Window>
class BuiltOnFirstShow : public Window {
public:
    using Window::Window;

    void setVisible(bool visible) override
    {
        if (visible) ensureBuilt();
        Window::setVisible(visible);
    }

protected:
    // For a window's own way of showing, which fills the controls in before it
    // shows them.
    void ensureBuilt()
    {
        if (built_) return;
        built_ = true;
        build();
    }
    virtual void build() = 0;

private:
    bool built_ = false;
};

}  // namespace tallimo::ui
