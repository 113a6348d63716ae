#pragma once
#include "scene/program.h"

namespace app {

// Registers every form the program has, by name; each is created on first use, the lessons
// placed in their courses.
void registerForms(scene::Program& program);

// The form the program starts on.
inline constexpr const char* kStartForm = "Utama";

}  // namespace app
