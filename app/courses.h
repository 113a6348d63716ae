#pragma once
#include "shell/course.h"

namespace app {

// Both courses, every page in order with its window title: the one list that the Navigation
// menu's Previous and Next, the main menu's course entries and the form registry read.
inline constexpr shell::Page kGravityPages[] = {
    {"Lesson1", "Lesson 1: Law of Gravity"},
    {"Lesson2", "Lesson 2: Attraction Force"},
    {"Lesson3", "Lesson 3: Earth's Gravitational Acceleration"},
    {"Lesson4", "Lesson 4: How 'heavy' are earth and sun?"},
    {"Lesson5", "Lesson 5: Gravity on Earth and Moon"},
    {"Lesson6", "Lesson 6: Gravity on Earth (Large Scale)"},
    {"Lesson7", "Lesson 7: More Explanation on Elliptical Curve"},
    {"Lesson8", "Lesson 8: Trajectory of Object around Gravity"},
    {"Lesson9", "Lesson 9: Space Station and Space Shuttle"},
    {"Lesson10", "Lesson 10: Satellites"},
    {"Lesson11", "Lesson 11: Moon's Orbit"},
    {"Lesson12", "Lesson 12: Hyperbolic Trajectory"},
};

inline constexpr shell::Page kOpticsPages[] = {
    {"optics1", "Reflection at Circular Mirror"},
    {"optics2", "Reflection at Parabolic Mirror"},
    {"optics3", "3D Image of Parabola Antenna"},
};

// In the order of the main menu's entries.
inline constexpr shell::Course kCourses[] = {
    {"Gravity", kGravityPages},
    {"Optics", kOpticsPages},
};

}  // namespace app
