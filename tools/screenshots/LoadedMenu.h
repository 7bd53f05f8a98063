#pragma once
// The main window of the tour with the demo day loaded (hidden), as the result windows find the
// datasets; it goes before the application does.

namespace custos::dayproc {
class TF_Menu;
}

namespace custos::screenshots {

dayproc::TF_Menu& loadedMenu();

} // namespace custos::screenshots
