// MainWindow's open show: makes the MyShowController with a MyShowHost over the
// window.
#include "app/main_window.h"

#include "app/close_controller.h"
#include "shows/my_show_controller.h"

namespace {

class MainWindowMyShowHost final : public MyShowHost {
public:
    explicit MainWindowMyShowHost(MainWindow* form) : m_form(form) {}

    bool closingDown() const override { return m_form->closing()->ClosingDown == 1; }
    ShowManagerWindow* showManager() const override { return m_form->showManager(); }

private:
    MainWindow* m_form;
};

} // namespace

std::unique_ptr<MyShowController> MainWindow::makeMyShow()
{
    return std::make_unique<MyShowController>(std::make_unique<MainWindowMyShowHost>(this), m_state.paths);
}
