// TForm1's open show: makes the MyShowController with a MyShowHost over the
// window.
#include "app/tform1.h"

#include "app/close_controller.h"
#include "shows/my_show_controller.h"

namespace {

class TForm1MyShowHost final : public MyShowHost {
public:
    explicit TForm1MyShowHost(TForm1* form) : m_form(form) {}

    bool closingDown() const override { return m_form->closing()->ClosingDown == 1; }
    TForm16* showManager() const override { return m_form->showManager(); }

private:
    TForm1* m_form;
};

} // namespace

std::unique_ptr<MyShowController> TForm1::makeMyShow()
{
    return std::make_unique<MyShowController>(std::make_unique<TForm1MyShowHost>(this), m_state.paths);
}
