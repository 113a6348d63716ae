// The program's command line: which page --lesson starts on, what ends the program before any
// window, and when there is no display to try.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <string>

#include "desktop/cli.h"
#include "shell/course.h"

namespace {

constexpr shell::Page kMotion[] = {
    {"Lesson1", "Lesson 1: Law of Gravity"},
    {"Lesson9", "Lesson 9: Space Station and Space Shuttle"},
};
constexpr shell::Page kLight[] = {{"optics1", "Reflection at Circular Mirror"}};
constexpr shell::Course kCourses[] = {{"Motion", kMotion}, {"Light", kLight}};

desktop::CommandLine parse(QStringList args) {
    args.prepend(QStringLiteral("orbelune"));
    return desktop::parseCommandLine(args, kCourses, QStringLiteral("1.2"));
}

TEST(CommandLine, LessonIsAFormNameOrAWindowTitleInAnyCase) {
    struct Case {
        const char* name;
        std::string form;
    } cases[] = {
        {"Lesson9", "Lesson9"},
        {"lesson9", "Lesson9"},
        {"  OPTICS1 ", "optics1"},
        {"Lesson 9: Space Station and Space Shuttle", "Lesson9"},
        {"reflection at circular mirror", "optics1"},
        {"Lesson 9", ""},  // part of a title is not enough
        {"Lesson", ""},
        {"", ""},
        {"Utama", ""},  // the main menu is the start without --lesson
    };
    for (auto& c : cases) {
        EXPECT_EQ(desktop::findPage(QString::fromUtf8(c.name), kCourses), c.form) << c.name;
        auto cl = parse({QStringLiteral("--lesson"), QString::fromUtf8(c.name)});
        EXPECT_EQ(cl.run, !c.form.empty()) << c.name;
        if (cl.run) {
            EXPECT_EQ(cl.startForm, c.form) << c.name;
        }
    }
}

TEST(CommandLine, AnUnknownLessonListsEveryPageAndEndsWithStatus2) {
    auto cl = parse({QStringLiteral("--lesson=Lesson99")});
    EXPECT_FALSE(cl.run);
    EXPECT_EQ(cl.exitCode, 2);
    EXPECT_TRUE(cl.out.isEmpty());
    EXPECT_TRUE(cl.err.startsWith(QStringLiteral("orbelune: "))) << cl.err.toStdString();
    EXPECT_TRUE(cl.err.contains(QStringLiteral("Lesson99")));
    for (const shell::Course& c : kCourses) {
        EXPECT_TRUE(cl.err.contains(QString::fromUtf8(c.name.data(), c.name.size())));
        for (const shell::Page& p : c.pages) {
            EXPECT_TRUE(cl.err.contains(QString::fromUtf8(p.form.data(), p.form.size())));
            EXPECT_TRUE(cl.err.contains(QString::fromUtf8(p.title.data(), p.title.size())));
        }
    }
}

TEST(CommandLine, WhatEndsBeforeAnyWindow) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* out;  // a part of stdout, or of stderr when exitCode is not 0
    } cases[] = {
        {{QStringLiteral("--help")}, 0, "--fullscreen"},
        {{QStringLiteral("-h")}, 0, "--lesson <NAME>"},
        {{QStringLiteral("--version")}, 0, "orbelune 1.2\n"},
        {{QStringLiteral("--lesson"), QStringLiteral("Lesson1"), QStringLiteral("--version")},
         0,
         "orbelune 1.2\n"},
        {{QStringLiteral("--bogus")}, 2, "bogus"},
        {{QStringLiteral("--lesson")}, 2, "lesson"},
        {{QStringLiteral("Lesson1")}, 2, "Lesson1"},
    };
    for (auto& c : cases) {
        auto cl = parse(c.args);
        const QString shown = c.exitCode == 0 ? cl.out : cl.err;
        EXPECT_FALSE(cl.run) << c.out;
        EXPECT_EQ(cl.exitCode, c.exitCode) << c.out;
        EXPECT_TRUE(shown.contains(QString::fromUtf8(c.out))) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QLatin1Char('\n'))) << shown.toStdString();
        EXPECT_TRUE((c.exitCode == 0 ? cl.err : cl.out).isEmpty()) << c.out;
    }
    EXPECT_TRUE(
        parse({QStringLiteral("--help")}).out.startsWith(QStringLiteral("Usage: orbelune")));
}

TEST(CommandLine, WithoutArgumentsTheProgramStartsAsAlways) {
    auto cl = parse({});
    EXPECT_TRUE(cl.run);
    EXPECT_TRUE(cl.startForm.empty());
    EXPECT_FALSE(cl.fullScreen);
    EXPECT_TRUE(parse({QStringLiteral("--fullscreen")}).fullScreen);
}

TEST(CommandLine, QtsOwnOptionsPassAndNameTheDisplay) {
    auto cl = parse({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                     QStringLiteral("-display"), QStringLiteral(":5"), QStringLiteral("-reverse"),
                     QStringLiteral("--lesson"), QStringLiteral("optics1")});
    ASSERT_TRUE(cl.run) << cl.err.toStdString();
    EXPECT_EQ(cl.platform, QStringLiteral("offscreen"));
    EXPECT_EQ(cl.display, QStringLiteral(":5"));
    EXPECT_EQ(cl.startForm, "optics1");
    EXPECT_FALSE(parse({QStringLiteral("--help")}).out.contains(QStringLiteral("platform")));
}

TEST(CommandLine, NoDisplayIsOneLineOnlyWhenNothingNamesOne) {
    const QString none, x = QStringLiteral(":0"), w = QStringLiteral("wayland-0"),
                        off = QStringLiteral("offscreen");
    const auto bare = parse({});
    const QString line = desktop::missingDisplay(bare, none, none, none);
    EXPECT_TRUE(line.startsWith(QStringLiteral("orbelune: ")));
    EXPECT_EQ(line.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(line.endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(desktop::missingDisplay(bare, none, x, none).isEmpty());
    EXPECT_TRUE(desktop::missingDisplay(bare, none, none, w).isEmpty());
    EXPECT_TRUE(desktop::missingDisplay(bare, off, none, none).isEmpty());
    EXPECT_TRUE(desktop::missingDisplay(parse({QStringLiteral("-platform"), off}), none, none, none)
                    .isEmpty());
    EXPECT_TRUE(desktop::missingDisplay(parse({QStringLiteral("-display"), x}), none, none, none)
                    .isEmpty());
}

}  // namespace
