#pragma once
#include "scene/program.h"

namespace shell {

// Registers every form the program has, by name; each is created on first use.
void registerForms(scene::Program& program);

// The form the program starts on.
inline constexpr const char* kStartForm = "Utama";

}  // namespace shell
