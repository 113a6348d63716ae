#pragma once
#include <QApplication>
#include <memory>
#include <string>

#include "scene/form.h"

namespace desktop {

// Renders a form as its window shows it at scale 1 (menu bar included) into a PNG file.
// Needs a QApplication: `offscreenApplication` makes one for a program without a display.
std::unique_ptr<QApplication> offscreenApplication(int& argc, char** argv);
bool renderPng(scene::Form& form, const std::string& path, std::string& error);

}  // namespace desktop
