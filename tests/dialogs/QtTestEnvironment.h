#pragma once

#include <functional>

class QWidget;

// Runs `action` on the modal dialog that the next exec() opens, once the
// event loop has shown it.
void WhenModalOpens(std::function<void(QWidget*)> action);
