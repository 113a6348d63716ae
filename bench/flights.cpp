// Every flight of the orbit lessons flown by the lessons' own flight code, with each step
// counted instead of drawn or shown: the orbit step, the point it lands on and the lesson's end
// test, and nothing of the scene. Set beside the same flights played through the lessons, the
// difference is what the scene costs.
#include "bench/flights.h"

#include "lessons/gravity/Lesson10.h"
#include "lessons/gravity/Lesson11.h"
#include "lessons/gravity/Lesson12.h"
#include "lessons/gravity/Lesson6.h"
#include "lessons/gravity/Lesson8.h"
#include "lessons/gravity/Lesson9.h"
#include "scene/numbers.h"
#include "scene/program.h"
#include "tools/driver/driver.h"

namespace bench {

namespace {

// A lesson form as its activation leaves it, on a virtual clock; made once, outside the timing
// of the runs that follow.
template <class Form>
Form& activated(const char* name) {
    static driver::Session session;
    static Form& form = (session.start(name), session.program().get<Form>(name));
    return form;
}

// Lesson 6: 9000 m/s from the top of the earth at 30, 45 and 60 degrees, first stopping at the
// earth, then extended through it.
void lesson6(Tally& t) {
    auto& f = activated<lessons::Lesson6>("Lesson6");
    for (int extend : {0, 1})
        for (int degrees : {30, 45, 60}) {
            f.extend = extend;
            f.aim(degrees);
            f.takeOff();
            f.fly([&](std::int32_t) { t.add(f.offX, f.offY); });
        }
}

// Lesson 8: launches from 2500 km at growing speed, the extended cycles, and three circular
// orbits from slightly growing radii.
void lesson8(Tally& t) {
    auto& f = activated<lessons::Lesson8>("Lesson8");
    struct Flight {
        const char* speed;
        int stage;
    };
    const Flight flights[] = {{"2000", 0}, {"4000", 0}, {"6000", 0}, {"6200", 0},
                              {"7500", 1}, {"2000", 2}, {"4000", 2}, {"6000", 3}};
    auto fly = [&] {
        f.takeOff();
        f.fly([&](std::int32_t) { t.add(f.offX, f.offY); });
    };
    for (const Flight& flight : flights) {
        f.vinit.Text = flight.speed;
        f.stage = flight.stage;
        fly();
    }
    // The circle from the earth's radius and twice from a little farther, as the lesson flies it.
    const double R = f.R;
    f.vinit.Text = scene::digits(f.circleLaunchSpeed());
    f.stage = 4;
    for (int k = 0; k < 3; ++k, f.R = f.R * 1.001) fly();
    f.R = R;
}

// Lesson 9: one revolution of the station at 100 km.
void lesson9(Tally& t) {
    auto& f = activated<lessons::Lesson9>("Lesson9");
    f.V = lessons::Lesson9::kLaunchSpeed;
    f.takeOff();
    f.fly([&] { t.add(f.x, f.y); });
}

// Lessons 10 and 11: each orbit flown twice (shown, then traced), on two radii.
template <class Form>
void revolutions(Tally& t, const char* name) {
    auto& f = activated<Form>(name);
    for (int stage = 0; stage <= 3; ++stage) {
        f.stage = stage;
        f.takeOff();
        f.fly([&] { t.add(f.x, f.y); });
    }
}

void lesson10(Tally& t) { revolutions<lessons::Lesson10>(t, "Lesson10"); }
void lesson11(Tally& t) { revolutions<lessons::Lesson11>(t, "Lesson11"); }

// Lesson 12: seven launches from the small earth at 1 to 1.44 times the circular speed.
void lesson12(Tally& t) {
    auto& f = activated<lessons::Lesson12>("Lesson12");
    for (int k = 0; k <= 6; ++k) {
        f.trial = k;
        f.vinit.Text = scene::Str(f.trialSpeed(k));
        f.takeOff();
        f.fly([&](std::int32_t) { t.add(f.xn, f.yn); });
    }
}

}  // namespace

const std::vector<FlightSet>& flightSets() {
    static const std::vector<FlightSet> sets = {
        {"Lesson6", lesson6},   {"Lesson8", lesson8},   {"Lesson9", lesson9},
        {"Lesson10", lesson10}, {"Lesson11", lesson11}, {"Lesson12", lesson12},
    };
    return sets;
}

}  // namespace bench
