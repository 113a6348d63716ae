// Lesson 10: the geostationary satellite and the lower one, played on the virtual clock.
#include "lessons/gravity/Lesson10.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tools/driver/driver.h"

namespace {

using lessons::Lesson10;

struct Flight {
    int stage;                  // the stage that flew
    int endStep;                // the step whose end test was met
    std::string hours, tenths;  // the clock as the flight left it
};

struct Lesson10Script : ::testing::Test {
    driver::Session s;
    Lesson10* form = nullptr;
    std::vector<Flight> flights;
    std::function<void(int stage)> onFlightEnd;  // called with the stage that flew

    void SetUp() override {
        ASSERT_TRUE(s.start("Lesson10"));
        form = &s.program().get<Lesson10>("Lesson10");
    }
    // Plays the script in small slices and notes each flight as its stage moves on.
    void play(double untilMs) {
        for (double t = s.platform().clock; t <= untilMs; t += 20) {
            int before = form->stage;
            s.advanceTo(t);
            if (form->stage == before) continue;
            flights.push_back({before, form->i, form->waktu(0).Caption, form->koma.Caption});
            if (onFlightEnd) onFlightEnd(before);
        }
    }
    double satAngle() const {
        auto& b = form->sat(0);
        return std::atan2(b.Top + b.Height / 2 - 5500, b.Left + b.Width / 2 - 5500);
    }
    double markerAngle(int j) const {
        auto& b = form->bumi(j);
        return std::atan2(b.Top + b.Height / 2 - 5500, b.Left + b.Width / 2 - 5500);
    }
};

double wrap(double a) { return std::remainder(a, 2 * M_PI); }

TEST_F(Lesson10Script, FourFlightsEndAtTheirStepsWithTheClockAsTheyLeftIt) {
    play(20000);
    ASSERT_EQ(flights.size(), 4u);
    struct Row {
        int stage, step;
        const char* hours;
        const char* tenths;
    };
    const Row rows[] = {{0, 2162, "24", "0"},
                        {1, 2162, nullptr, nullptr},
                        {2, 423, "04", "6"},
                        {3, 423, nullptr, nullptr}};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(flights[k].stage, rows[k].stage);
        EXPECT_EQ(flights[k].endStep, rows[k].step) << "flight " << k;
        if (rows[k].hours) {
            EXPECT_EQ(flights[k].hours, rows[k].hours) << "flight " << k;
            EXPECT_EQ(flights[k].tenths, rows[k].tenths) << "flight " << k;
        }
    }
    EXPECT_EQ(form->waktu(1).Caption.get(), ".");
    EXPECT_EQ(form->stage, 4);
    // Each trace is one segment a step, in its own colour.
    const auto& surface = form->surface();
    ASSERT_EQ(surface.size(), 2162u + 423u);
    EXPECT_EQ(surface[0].color, scene::rgb(160, 81, 245));
    EXPECT_EQ(surface[2161].color, scene::rgb(160, 81, 245));
    EXPECT_EQ(surface[2162].color, scene::rgb(168, 210, 133));
    // The satellite is hidden after each trace, and the lower flight was announced.
    EXPECT_FALSE(form->sat(0).Visible);
    for (int k = 0; k <= 8; ++k) EXPECT_FALSE(form->satlin(k).Visible);
    EXPECT_TRUE(form->Label4(0).Visible);
    EXPECT_EQ(form->sat(0).BackColor.get(), 0x0000C000u);
}

TEST_F(Lesson10Script, MessagesEverySixHoursOfTheGeostationaryFlightOnly) {
    std::vector<std::pair<std::string, int>> shown;
    std::vector<double> gaps;  // satellite angle minus marker angle, at every message
    s.platform().onMessage = [&](const std::string& text) {
        shown.push_back({text, form->i});
        gaps.push_back(wrap(satAngle() - markerAngle(0)));
    };
    play(20000);
    using Shown = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(shown, (Shown{{"6 hours passed", 540},
                            {"12 hours passed", 1080},
                            {"18 hours passed", 1620},
                            {"24 hours passed", 2160}}));
    for (double g : gaps) EXPECT_NEAR(g, 0, 0.01);
}

TEST_F(Lesson10Script, TheGeostationarySatelliteStaysOverItsMarkerAndTheOrbitsKeepTheirSize) {
    double minGeo = 1e300, maxGeo = 0, minLow = 1e300, maxLow = 0, worstGap = 0;
    int lowerFrames = 0;
    s.platform().onFrame = [&] {
        double km = form->r / 1000;
        if (form->stage == 0) {
            minGeo = std::min(minGeo, km);
            maxGeo = std::max(maxGeo, km);
            worstGap = std::max(worstGap, std::fabs(wrap(satAngle() - markerAngle(0))));
        } else if (form->stage == 2) {
            minLow = std::min(minLow, km);
            maxLow = std::max(maxLow, km);
            // The lower satellite runs ahead of the markers.
            if (form->i > 200) {
                EXPECT_GT(std::fmod(satAngle() - markerAngle(0) + 4 * M_PI, 2 * M_PI), 0.5);
            }
            ++lowerFrames;
        }
    };
    play(20000);
    ASSERT_GT(lowerFrames, 10);
    EXPECT_LT(worstGap, 0.02);  // about a degree: over the marker all day
    EXPECT_GE(minGeo, 41970);
    EXPECT_LE(maxGeo, 42105);
    EXPECT_LT(minGeo, 41990);
    EXPECT_GT(maxGeo, 42085);
    EXPECT_GE(minLow, 13975);
    EXPECT_LE(maxLow, 14390);
    EXPECT_LT(minLow, 14000);
    EXPECT_GT(maxLow, 14360);
}

// The panel lines' end points relative to the satellite's centre.
std::vector<std::pair<double, double>> panelShape(const Lesson10& f) {
    const double cx = f.sat(0).Left + f.sat(0).Width / 2, cy = f.sat(0).Top + f.sat(0).Height / 2;
    std::vector<std::pair<double, double>> out;
    for (int k = 0; k <= 8; ++k) {
        out.push_back({f.satlin(k).X1 - cx, f.satlin(k).Y1 - cy});
        out.push_back({f.satlin(k).X2 - cx, f.satlin(k).Y2 - cy});
    }
    return out;
}

// The design's panels turned by -theta about the body.
std::vector<std::pair<double, double>> designTurnedBy(double theta) {
    const double cx = 7680 + 67.5, cy = 5760 + 67.5;
    const double ends[9][4] = {
        {7800, 5640, 7800, 6000}, {7920, 5640, 7920, 6000}, {7920, 5640, 7800, 5640},
        {7800, 6000, 7920, 6000}, {7560, 5640, 7560, 6000}, {7680, 5640, 7680, 6000},
        {7680, 5640, 7560, 5640}, {7560, 6000, 7680, 6000}, {7920, 5760, 7560, 5880}};
    const double c = std::cos(-theta), s = std::sin(-theta);
    std::vector<std::pair<double, double>> out;
    for (auto& e : ends)
        for (int p = 0; p < 4; p += 2) {
            double dx = e[p] - cx, dy = e[p + 1] - cy;
            out.push_back({c * dx + s * dy, c * dy - s * dx});
        }
    return out;
}

void expectShape(const Lesson10& f, double theta, const std::string& when) {
    auto got = panelShape(f), want = designTurnedBy(theta);
    for (size_t n = 0; n < got.size(); ++n) {
        EXPECT_NEAR(got[n].first, want[n].first, 0.02) << when << " end " << n;
        EXPECT_NEAR(got[n].second, want[n].second, 0.02) << when << " end " << n;
    }
}

TEST_F(Lesson10Script, ThePanelsKeepTheirShapeFacingTheEarthOverEveryFlight) {
    expectShape(*form, 0, "activation");
    s.platform().onMessage = [&](const std::string& text) {
        expectShape(*form, form->theta, text);
    };
    // At the end of a flight the icon shows the last step it flew, turned by that step's angle.
    int checked = 0;
    onFlightEnd = [&](int stage) {
        if (stage != 0 && stage != 2) return;
        expectShape(*form, satAngle(), "end of flight " + std::to_string(stage));
        ++checked;
    };
    play(20000);
    EXPECT_EQ(checked, 2);
}

TEST_F(Lesson10Script, EveryReplayStartsFromTheSameIcon) {
    auto first = panelShape(*form);
    const float left = form->sat(0).Left, top = form->sat(0).Top;
    play(20000);
    for (int replay = 0; replay < 3; ++replay) {
        std::string err;
        ASSERT_TRUE(s.run(s.platform().clock + 1,
                          {*driver::parseAction(s.platform().clock, "menu:rep", err)}, err))
            << err;
        EXPECT_EQ(form->surface().size(), 0u);
        EXPECT_EQ(form->sat(0).Left.get(), left);
        EXPECT_EQ(form->sat(0).Top.get(), top);
        auto again = panelShape(*form);
        for (size_t n = 0; n < first.size(); ++n) {
            EXPECT_EQ(again[n].first, first[n].first) << "replay " << replay << " end " << n;
            EXPECT_EQ(again[n].second, first[n].second) << "replay " << replay << " end " << n;
        }
        EXPECT_EQ(form->stage, 0);
        EXPECT_EQ(form->counter, 0);
        EXPECT_EQ(form->sat(0).BackColor.get(), scene::rgb(0, 0, 255));
        EXPECT_TRUE(form->sat(0).Visible);
        EXPECT_FALSE(form->Label4(0).Visible);
        EXPECT_EQ(form->waktu(0).Caption.get(), "00");
        EXPECT_EQ(form->koma.Caption.get(), "0");
        play(s.platform().clock + 20000);
    }
}

TEST_F(Lesson10Script, ActivationPutsTheMarkersOnTheRimAndTheSatelliteAtThreeOClock) {
    for (int j = 0; j <= 2; ++j) {
        auto& b = form->bumi(j);
        double dx = b.Left + b.Width / 2 - 5500, dy = b.Top + b.Height / 2 - 5500;
        EXPECT_NEAR(std::hypot(dx, dy), 500, 1) << j;
        EXPECT_NEAR(markerAngle(j), wrap(3.14 * j * 120 / 180), 1e-3) << j;
        EXPECT_GT(form->earth.zKey(), b.zKey()) << "the disc covers the inner half of marker " << j;
    }
    EXPECT_NEAR(form->sat(0).Left + form->sat(0).Width / 2, 5500 + 3300.15, 0.01);
    EXPECT_EQ(form->sat(0).Top.get(), 5450.0f);
    EXPECT_FALSE(form->wait.Visible);
    EXPECT_EQ(form->jam.Interval.get(), 1000);
    EXPECT_TRUE(form->jam.Enabled);
}

TEST(Lesson10Paced, TheFlightsLastLongEnoughToWatchAndTheLowerOneGoesRoundFaster) {
    driver::Session s;
    s.platform().paced = true;
    ASSERT_TRUE(s.start("Lesson10"));
    std::string err;
    ASSERT_TRUE(s.run(40000, {}, err)) << err;
    std::vector<double> ms;
    for (auto& h : s.platform().handlers)
        if (h.name == "jam_Timer") ms.push_back(h.ms);
    // The geostationary flight, its trace, the lower flight; the lower trace is a few frames.
    ASSERT_GE(ms.size(), 3u);
    const double geo = ms[0], trace = ms[1], lower = ms[2];
    EXPECT_GE(geo, 4000);
    EXPECT_LE(geo, 20000);
    EXPECT_LE(trace, 20000);
    EXPECT_GE(lower, 500);
    EXPECT_LE(lower, 20000);
    // One pace for both: the on-screen periods are in the ratio of the simulated ones.
    EXPECT_NEAR(geo / lower, 2162.0 / 423.0, 0.3);
}

}  // namespace
