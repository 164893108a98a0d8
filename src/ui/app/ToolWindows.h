#pragma once

namespace kvq {
class TMainForm;
// Registers the factory of every tool window the program has with the main window's menu.
void registerBuiltinToolWindows(TMainForm& mainForm);
} // namespace kvq
