#pragma once

#include <functional>
#include <memory>

class QWidget;

// While it lives, the next modal dialog to come on the screen is handed to
// `shown` and then cancelled, as if someone had pressed its Cancel button.
// An unattended run makes its dialogs with it, so that each one is really
// built and shown over its workflow (and can be seen in a screenshot)
// without waiting for anyone.
class CancelWhenShown {
public:
    using ShownHandler = std::function<void(QWidget& dialog)>;

    explicit CancelWhenShown(ShownHandler shown);
    ~CancelWhenShown();
    CancelWhenShown(const CancelWhenShown&) = delete;
    CancelWhenShown& operator=(const CancelWhenShown&) = delete;

private:
    // Shared with the polling timer, which stops when this goes.
    std::shared_ptr<bool> m_waiting;
};
