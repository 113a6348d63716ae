#pragma once
#include "scene/words.h"
#include "shell/course.h"

namespace app {

// Both courses, every page in order with its window title (in English; shown through the
// catalogue): the one list that the Navigation
// menu's Previous and Next, the main menu's course entries and the form registry read.
inline constexpr shell::Page kGravityPages[] = {
    {"Lesson1", QT_TRANSLATE_NOOP("Courses", "Lesson 1: Law of Gravity")},
    {"Lesson2", QT_TRANSLATE_NOOP("Courses", "Lesson 2: Attraction Force")},
    {"Lesson3", QT_TRANSLATE_NOOP("Courses", "Lesson 3: Earth's Gravitational Acceleration")},
    {"Lesson4", QT_TRANSLATE_NOOP("Courses", "Lesson 4: How 'heavy' are earth and sun?")},
    {"Lesson5", QT_TRANSLATE_NOOP("Courses", "Lesson 5: Gravity on Earth and Moon")},
    {"Lesson6", QT_TRANSLATE_NOOP("Courses", "Lesson 6: Gravity on Earth (Large Scale)")},
    {"Lesson7", QT_TRANSLATE_NOOP("Courses", "Lesson 7: More Explanation on Elliptical Curve")},
    {"Lesson8", QT_TRANSLATE_NOOP("Courses", "Lesson 8: Trajectory of Object around Gravity")},
    {"Lesson9", QT_TRANSLATE_NOOP("Courses", "Lesson 9: Space Station and Space Shuttle")},
    {"Lesson10", QT_TRANSLATE_NOOP("Courses", "Lesson 10: Satellites")},
    {"Lesson11", QT_TRANSLATE_NOOP("Courses", "Lesson 11: Moon's Orbit")},
    {"Lesson12", QT_TRANSLATE_NOOP("Courses", "Lesson 12: Hyperbolic Trajectory")},
};

inline constexpr shell::Page kOpticsPages[] = {
    {"optics1", QT_TRANSLATE_NOOP("Courses", "Reflection at Circular Mirror")},
    {"optics2", QT_TRANSLATE_NOOP("Courses", "Reflection at Parabolic Mirror")},
    {"optics3", QT_TRANSLATE_NOOP("Courses", "3D Image of Parabola Antenna")},
};

// In the order of the main menu's entries.
inline constexpr shell::Course kCourses[] = {
    {QT_TRANSLATE_NOOP("Courses", "Gravity"), kGravityPages},
    {QT_TRANSLATE_NOOP("Courses", "Optics"), kOpticsPages},
};

}  // namespace app
