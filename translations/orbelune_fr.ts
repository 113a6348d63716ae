<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Browser</name>
    <message>
        <source>Click to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lessons could not start here: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They need a browser with WebAssembly, and the page opened from a web server (http://), not from a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbelune has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen is not available here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be copied: this browser gives the page no clipboard here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be copied: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lesson is called &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;: here is the main menu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physics courseware: a gravity course of twelve lessons and an optics course of three, which play themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start on this page instead of the main menu: a lesson&apos;s name (Lesson9, optics1) or its window title. An unknown name lists the pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the pages full screen, without the window frame and the desktop&apos;s panels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw in projector colours: a white page and every colour dark enough to read on a projector (the View menu&apos;s Projector Colours).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show every text in this language: id, de, es, fr, pt_BR or en (by default the system&apos;s language, or the one the Language menu chose last).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no page is called &apos;%1&apos;; the pages are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no language is called &apos;%1&apos;; the languages are: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the window system could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>Lesson 1: Law of Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 2: Attraction Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 3: Earth&apos;s Gravitational Acceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 4: How &apos;heavy&apos; are earth and sun?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 5: Gravity on Earth and Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 6: Gravity on Earth (Large Scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 7: More Explanation on Elliptical Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 8: Trajectory of Object around Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 9: Space Station and Space Shuttle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 10: Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 11: Moon&apos;s Orbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson 12: Hyperbolic Trajectory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reflection at Circular Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reflection at Parabolic Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Image of Parabola Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language menu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson1</name>
    <message>
        <source>Both have similar forms!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... a constant </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> k = 9 x 10        Nm   / C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|F  | = |F  | = kq    q   /R </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F  = - F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... is the Universal Gravity Constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> G = 6.6 x 10        Nm   /kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|F  | = |F  | = GM   M   /R </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparation with Electrical Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRAVITATIONAL FORCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson10</name>
    <message>
        <source>WAIT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where R is the position of the satellite in relative to the earth center; T is the rotational period of the earth, that is 24 hours; G is universal gravity constant and M is the mass of the earth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now let us take a look at non-stationary satellite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are two kinds of satellite; non-geostationary and geostationary. A geostationary satellite looks like unmoving according to an observer on the earth. The position of its orbit can be determined using the following equation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hours passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A geostationary satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The geostationary orbit traced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lower orbit traced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A satellite that is not stationary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A satellite on a lower orbit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson11</name>
    <message>
        <source>Moon&apos;s Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The violet curve is the present orbit of the moon. And the green one is the orbit if the distance is half of present distance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon would travel faster if its position was half of the present position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have you ever imagined what would happen if the moon&apos;s orbit was half of now&apos;s? The most serious consequence is that the moon&apos;s period would change; &apos;One lunar month&apos; would become shorter than it is now. Let us examine how it happens here. Again the equation that rules this is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon&apos;s orbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon&apos;s orbit traced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The orbit at half the distance traced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon at half the distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight at half the distance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson12</name>
    <message>
        <source>V init = V circle = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m/s ... circular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V init = 1.34 * V circle = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m/s ... elliptical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V init = 1.36 * V circle = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V init = 1.38 * V circle = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V init = 1.40 * V circle = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V init = 1.42 * V circle = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m/s ... HYPERBOLIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V init = 1.44 * V circle = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This kind of calculation becomes useful when we are to send an object to other planets, such as Galileo in the Jupiter Expedition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In other words, when V init surpasses 1.414 * V circle, the object will not return. It is liberated from the gravitational force ... so, 1.414 * V circle is the velocity of no return!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We see here, as V init  surpasses 1.414 * V circle, the trajectory becomes hyperbolic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   V init =    2  * V circle = 1.414 * V circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The border between elliptical and hyperbolic orbits is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the initial velocity of an object moving under gravity surpasses a certain value, its trajectory is no more elliptical, but becomes hyperbolic!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  m * V circle / r     = G*M*m ./ r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: V circle is V init that results in circular orbit; it matches the following equation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downscaling the Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> km high from earth surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed for a circular orbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The velocity of no return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson2</name>
    <message>
        <source>Command1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gravitational acceleration on the earth&apos;s surface, usually denoted as      , is about 9.8 m/s .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As M becomes much greater than m, as we see above, m looks like &apos;falling&apos; toward M. This is also true for a stone falling toward the earth. In this case, M is said having &apos;gravitational acceleration&apos;; it means that an object (m) will accelerate due to M&apos;s gravity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M/m =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio of masses (M and m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation of Attraction Force between two masses which are at rest at initial time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass ratio </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two masses attract each other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson3</name>
    <message>
        <source>g = 9.8 m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throwing an object from Pisa Tower, an inclining tower in Italy, Galileo Galilei did his experiment of gravity there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v=0 m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 9.8 m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ball falls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson4</name>
    <message>
        <source>T = 365.25 x 24 x 3600  seconds  ... period of earth&apos;s revolution = 1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun is 330,000 times &apos;heavier&apos; than the earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt;  M = 2 x 10       kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R = 1.5 x 10        m  ... distance between earth and sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G = 6.6 x 10         Nm     /kg      ... gravity constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mass of the sun M can be calculated using the following values:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M = 4           R    /GT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Substituting v with 2    R/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F(2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F(1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F = GMm/R            (2) ... gravitational force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F = mv   /R             (1) ... centrifugal force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MASS OF SUN </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt;  M = 6 x 10       kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R = 6.3 x 10        m  ... radius of earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g = 9.8 m/s    ... earth&apos;s gravitational acceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mass of the earth M can be calculated using the following values:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g = GM/R       (3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From equations (1) and (2), we obtain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F = GMm/R     (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F = mg             (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MASS OF EARTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson5</name>
    <message>
        <source>WAIT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stone travels in a PARABOLIC curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation of Curve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y = tan(a) * x  -  g /{2Vo     cos   (a)} * x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y          =  Vo     sin     (a) / 2g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x          =  Vo     sin(2a) / g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THROWING STONE ON EARTH AND ON MOON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the moon, stone flies higher and farther and takes more time than on the earth, because the moon&apos;s gravity is weaker than the earth&apos;s gravity. The ratio is about 1:6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now imagine, how large a field needed to play football on the moon!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw at 30°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw at 45°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw at 60°</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson6</name>
    <message>
        <source>WAIT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R = 6.3 x 10      m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launching object with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Velocity = 9000 m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What kind of curves are these?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let&apos;s extend the curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By extending the curves, we now know that they are all ELLIPSES!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All center lines intersect at the earth center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>° curve extended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They are all ellipses</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson7</name>
    <message>
        <source>Redraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ellipse has two focuses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this case, one of its focus, that is f1, overlaps with the earth center.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This kind of calculation is sometimes used for Intercontinental Ballistic Missiles (ICBM)! Missile-defence programmes that aim to stop such a missile in flight rely on the same calculation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse&apos; Equation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x   /a    + y    /b    = 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f     = f     = a   - b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing the ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ellipse&apos;s equations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson8</name>
    <message>
        <source>Initial Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6370 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let&apos;s extend the disconnected curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now, what happens if the initial velocity is according to the following equation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mv  /r = GMm/r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The object moves around a circle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A circle is a special case of ellipse. It is an ellipse whose focuses join into a single point, which is the center of circle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m/s curve extended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed for a circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circular orbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A circle is a special ellipse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson9</name>
    <message>
        <source>Let us have the simulation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it travels in a circular orbit. Also, in such condition, exerting forces are balanced and therefore resultant force inside the space station becomes zero. No weight can be measured inside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mv   /r = GMm/r    or v = 7837 m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its rocket engine drives it into certain velocity that enables it move around the earth in an orbit. When its velocity fulfills the equation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We now know that the space station orbits the earth for 87 minutes. Therefore astronouts inside it will see sunrise every 87 minutes!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space shuttles or space stations travel in a height where air does not exist, so there is no air friction. The typical height is around 100 km above the sea.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lessons menu</name>
    <message>
        <source>&amp;Lessons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message box</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mirror</name>
    <message>
        <source>-----&lt;O Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rays from light source </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Previous Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue after Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projector Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be started. Please write to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back 10 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward 10 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Stage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of numbers the lessons compute: &quot;,&quot; or &quot;.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Save Picture</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Utama</name>
    <message>
        <source>MAIN MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: author@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbelune Learning, Bandung, Indonesia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Physics courseware written by Dr. Ir. Rina Halim, M.Sc.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>optics1</name>
    <message>
        <source>CENTER LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REFLECTION AT CIRCULAR MIRROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the position of light ray approaches the center line, the reflected ray approaches passing the common point of R/2, which is the focus.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>optics2</name>
    <message>
        <source>1/4a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For this reason, parabolic geometry is often used for high-performance antenna. Have you seen parabola antennas in your area?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation of Parabola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x = a y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTER LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REFLECTION AT PARABOLIC MIRROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different form circular mirror, a parabolic mirror reflects incoming ray into a focus, regardless of the relative position of the ray from the center line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>optics3</name>
    <message>
        <source>Redraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: this is only a sample of parabola antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
