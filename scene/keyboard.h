#pragma once
#include <vector>

namespace scene {

class Control;
class Form;

// The controls Tab takes, in the order it takes them: the page's text boxes, check boxes,
// buttons and clickable labels in screen order, top to bottom and left to right within a row.
// A control placed outside the page (a lesson's focus holder) is never among them.
std::vector<Control*> tabOrder(const Form& form);

}  // namespace scene
