#pragma once

namespace velmora::ui {

// Start-up work shared by the program and its screenshot tool: Qt's own texts (context
// menus, standard dialogs) in Simplified Chinese whatever the system language, since
// the whole interface is Chinese, and the windows' Song 9 pt as the application font,
// so that notices read like the windows that raise them. Called once the
// QApplication is made.
void prepareApplication();

} // namespace velmora::ui
