#include "scene/keyboard.h"

#include <algorithm>

#include "scene/form.h"

namespace scene {

std::vector<Control*> tabOrder(const Form& form) {
    std::vector<Control*> order;
    for (auto& c : form.controls()) {
        const Kind k = c->kind();
        const bool keyed = k == Kind::TextBox || k == Kind::CheckBox || k == Kind::CommandButton ||
                           (k == Kind::Label && c->onClick);
        if (!keyed) continue;
        const bool onPage = c->Left < form.clientWidth() && c->Top < form.clientHeight() &&
                            c->Left + c->Width > 0 && c->Top + c->Height > 0;
        if (onPage) order.push_back(c.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->Top != b->Top ? a->Top < b->Top : a->Left < b->Left;
    });
    return order;
}

}  // namespace scene
