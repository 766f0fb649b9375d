#pragma once

#include <functional>
#include <string>

// The system alert sound and the simple modal message box. Tests replace
// either with a handler of their own; an empty handler restores the real one.
namespace platform {

void Beep();
void MsgBox(const std::string& message);

void SetBeepHandler(std::function<void()> handler);
void SetMsgBoxHandler(std::function<void(const std::string&)> handler);

}  // namespace platform
