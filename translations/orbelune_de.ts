<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Browser</name>
    <message>
        <source>Click to start</source>
        <translation>Zum Starten klicken</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>The lessons could not start here: </source>
        <translation>Die Lektionen konnten hier nicht starten: </translation>
    </message>
    <message>
        <source>They need a browser with WebAssembly, and the page opened from a web server (http://), not from a file.</source>
        <translation>Sie brauchen einen Browser mit WebAssembly, und die Seite muss von einem Webserver (http://) geöffnet werden, nicht aus einer Datei.</translation>
    </message>
    <message>
        <source>Orbelune has ended.</source>
        <translation>Orbelune wurde beendet.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Full screen is not available here</source>
        <translation>Vollbild ist hier nicht verfügbar</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>Das Bild konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>The picture could not be copied: this browser gives the page no clipboard here.</source>
        <translation>Das Bild konnte nicht kopiert werden: Dieser Browser gibt der Seite hier keinen Zugriff auf die Zwischenablage.</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Bild kopiert</translation>
    </message>
    <message>
        <source>The picture could not be copied: </source>
        <translation>Das Bild konnte nicht kopiert werden: </translation>
    </message>
    <message>
        <source>No lesson is called &quot;</source>
        <translation>Keine Lektion heißt „</translation>
    </message>
    <message>
        <source>&quot;: here is the main menu.</source>
        <translation>“: Hier ist das Hauptmenü.</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach &apos;%1&apos; fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Physics courseware: a gravity course of twelve lessons and an optics course of three, which play themselves.</source>
        <translation>Physik-Lernprogramm: ein Kurs Gravitation mit zwölf Lektionen und ein Kurs Optik mit drei, die von selbst ablaufen.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Start on this page instead of the main menu: a lesson&apos;s name (Lesson9, optics1) or its window title. An unknown name lists the pages.</source>
        <translation>Mit dieser Seite statt mit dem Hauptmenü beginnen: der Name einer Lektion (Lesson9, optics1) oder ihr Fenstertitel. Ein unbekannter Name listet die Seiten auf.</translation>
    </message>
    <message>
        <source>Show the pages full screen, without the window frame and the desktop&apos;s panels.</source>
        <translation>Die Seiten im Vollbild zeigen, ohne Fensterrahmen und ohne die Leisten des Desktops.</translation>
    </message>
    <message>
        <source>Draw in projector colours: a white page and every colour dark enough to read on a projector (the View menu&apos;s Projector Colours).</source>
        <translation>In Beamer-Farben zeichnen: eine weiße Seite und jede Farbe dunkel genug, um sie am Beamer zu lesen (Beamer-Farben im Menü Ansicht).</translation>
    </message>
    <message>
        <source>Show every text in this language: id, de, es, fr, pt_BR or en (by default the system&apos;s language, or the one the Language menu chose last).</source>
        <translation>Alle Texte in dieser Sprache zeigen: id, de, es, fr, pt_BR oder en (sonst die Sprache des Systems oder die zuletzt im Menü Sprache gewählte).</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Siehe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no page is called &apos;%1&apos;; the pages are:</source>
        <translation>keine Seite heißt &apos;%1&apos;; die Seiten sind:</translation>
    </message>
    <message>
        <source>no language is called &apos;%1&apos;; the languages are: %2</source>
        <translation>keine Sprache heißt &apos;%1&apos;; die Sprachen sind: %2</translation>
    </message>
    <message>
        <source>no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>kein Bildschirm für ein Fenster (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>the window system could not be started</source>
        <translation>das Fenstersystem konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>kann kein Fenster öffnen: %1</translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>Lesson 1: Law of Gravity</source>
        <translation>Lektion 1: Das Gravitationsgesetz</translation>
    </message>
    <message>
        <source>Lesson 2: Attraction Force</source>
        <translation>Lektion 2: Die Anziehungskraft</translation>
    </message>
    <message>
        <source>Lesson 3: Earth&apos;s Gravitational Acceleration</source>
        <translation>Lektion 3: Die Fallbeschleunigung der Erde</translation>
    </message>
    <message>
        <source>Lesson 4: How &apos;heavy&apos; are earth and sun?</source>
        <translation>Lektion 4: Wie „schwer“ sind Erde und Sonne?</translation>
    </message>
    <message>
        <source>Lesson 5: Gravity on Earth and Moon</source>
        <translation>Lektion 5: Schwerkraft auf Erde und Mond</translation>
    </message>
    <message>
        <source>Lesson 6: Gravity on Earth (Large Scale)</source>
        <translation>Lektion 6: Schwerkraft auf der Erde (im Großen)</translation>
    </message>
    <message>
        <source>Lesson 7: More Explanation on Elliptical Curve</source>
        <translation>Lektion 7: Mehr über die Ellipsenbahn</translation>
    </message>
    <message>
        <source>Lesson 8: Trajectory of Object around Gravity</source>
        <translation>Lektion 8: Bahnen von Körpern im Schwerefeld</translation>
    </message>
    <message>
        <source>Lesson 9: Space Station and Space Shuttle</source>
        <translation>Lektion 9: Raumstation und Raumfähre</translation>
    </message>
    <message>
        <source>Lesson 10: Satellites</source>
        <translation>Lektion 10: Satelliten</translation>
    </message>
    <message>
        <source>Lesson 11: Moon&apos;s Orbit</source>
        <translation>Lektion 11: Die Umlaufbahn des Mondes</translation>
    </message>
    <message>
        <source>Lesson 12: Hyperbolic Trajectory</source>
        <translation>Lektion 12: Die Hyperbelbahn</translation>
    </message>
    <message>
        <source>Reflection at Circular Mirror</source>
        <translation>Reflexion am sphärischen Hohlspiegel</translation>
    </message>
    <message>
        <source>Reflection at Parabolic Mirror</source>
        <translation>Reflexion am Parabolspiegel</translation>
    </message>
    <message>
        <source>3D Image of Parabola Antenna</source>
        <translation>3D-Bild einer Parabolantenne</translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation>Gravitation</translation>
    </message>
    <message>
        <source>Optics</source>
        <translation>Optik</translation>
    </message>
</context>
<context>
    <name>Language menu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>Lesson1</name>
    <message>
        <source>Both have similar forms!</source>
        <translation>Beide sehen ähnlich aus!</translation>
    </message>
    <message>
        <source>... a constant </source>
        <translation>... eine Konstante </translation>
    </message>
    <message>
        <source> k = 9 x 10        Nm   / C</source>
        <translation> k = 9 x 10        Nm   / C</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>|F  | = |F  | = kq    q   /R </source>
        <translation>|F  | = |F  | = kq    q   /R </translation>
    </message>
    <message>
        <source>F  = - F</source>
        <translation>F  = - F</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>... is the Universal Gravity Constant</source>
        <translation>... ist die Gravitationskonstante</translation>
    </message>
    <message>
        <source> G = 6.6 x 10        Nm   /kg</source>
        <translation> G = 6,6 x 10        Nm   /kg</translation>
    </message>
    <message>
        <source>|F  | = |F  | = GM   M   /R </source>
        <translation>|F  | = |F  | = GM   M   /R </translation>
    </message>
    <message>
        <source>Comparation with Electrical Force</source>
        <translation>Vergleich mit der elektrischen Kraft</translation>
    </message>
    <message>
        <source>GRAVITATIONAL FORCE</source>
        <translation>GRAVITATIONSKRAFT</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>M1</source>
        <translation>M1</translation>
    </message>
    <message>
        <source>M2</source>
        <translation>M2</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F1 = −F2</source>
        <translation>F1 = −F2</translation>
    </message>
    <message>
        <source>|F1| = |F2| = G × M1 × M2 / R²</source>
        <translation>|F1| = |F2| = G × M1 × M2 / R²</translation>
    </message>
    <message>
        <source>G = 6.6 × 10⁻¹¹ N m² / kg²</source>
        <translation>G = 6,6 × 10⁻¹¹ N m² / kg²</translation>
    </message>
    <message>
        <source>q1</source>
        <translation>q1</translation>
    </message>
    <message>
        <source>q2</source>
        <translation>q2</translation>
    </message>
    <message>
        <source>|F1| = |F2| = k × q1 × q2 / R²</source>
        <translation>|F1| = |F2| = k × q1 × q2 / R²</translation>
    </message>
    <message>
        <source>k = 9 × 10⁹ N m² / C²</source>
        <translation>k = 9 × 10⁹ N m² / C²</translation>
    </message>
</context>
<context>
    <name>Lesson10</name>
    <message>
        <source>WAIT!</source>
        <translation>Warte!</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>UHR</translation>
    </message>
    <message>
        <source>where R is the position of the satellite in relative to the earth center; T is the rotational period of the earth, that is 24 hours; G is universal gravity constant and M is the mass of the earth.</source>
        <translation>Dabei ist R der Abstand des Satelliten vom Erdmittelpunkt, T die Rotationsdauer der Erde, also 24 Stunden, G die Gravitationskonstante und M die Masse der Erde.</translation>
    </message>
    <message>
        <source>Now let us take a look at non-stationary satellite.</source>
        <translation>Nun zu einem nicht geostationären Satelliten.</translation>
    </message>
    <message>
        <source>There are two kinds of satellite; non-geostationary and geostationary. A geostationary satellite looks like unmoving according to an observer on the earth. The position of its orbit can be determined using the following equation:</source>
        <translation>Es gibt zwei Arten von Satelliten: nicht geostationäre und geostationäre. Ein geostationärer Satellit scheint für einen Beobachter auf der Erde stillzustehen. Die Lage seiner Umlaufbahn lässt sich mit folgender Gleichung bestimmen:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> hours passed</source>
        <translation> Stunden vergangen</translation>
    </message>
    <message>
        <source>A geostationary satellite</source>
        <translation>Ein geostationärer Satellit</translation>
    </message>
    <message>
        <source>The geostationary orbit traced</source>
        <translation>Die geostationäre Bahn gezeichnet</translation>
    </message>
    <message>
        <source>The lower orbit traced</source>
        <translation>Die niedrigere Bahn gezeichnet</translation>
    </message>
    <message>
        <source>A satellite that is not stationary</source>
        <translation>Ein nicht geostationärer Satellit</translation>
    </message>
    <message>
        <source>A satellite on a lower orbit</source>
        <translation>Ein Satellit auf niedrigerer Bahn</translation>
    </message>
    <message>
        <source>R³ / T² = G × M / 4π²</source>
        <translation>R³ / T² = G × M / 4π²</translation>
    </message>
</context>
<context>
    <name>Lesson11</name>
    <message>
        <source>Moon&apos;s Appearance</source>
        <translation>Mondphase</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>Warte!</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>UHR</translation>
    </message>
    <message>
        <source>The violet curve is the present orbit of the moon. And the green one is the orbit if the distance is half of present distance.</source>
        <translation>Die violette Kurve ist die heutige Umlaufbahn des Mondes, die grüne die Umlaufbahn bei halbem Abstand.</translation>
    </message>
    <message>
        <source>The moon would travel faster if its position was half of the present position.</source>
        <translation>Bei halbem Abstand würde sich der Mond schneller bewegen.</translation>
    </message>
    <message>
        <source>Have you ever imagined what would happen if the moon&apos;s orbit was half of now&apos;s? The most serious consequence is that the moon&apos;s period would change; &apos;One lunar month&apos; would become shorter than it is now. Let us examine how it happens here. Again the equation that rules this is:</source>
        <translation>Hast du dir schon einmal überlegt, was geschähe, wenn die Mondbahn nur halb so groß wäre? Die wichtigste Folge: Die Umlaufdauer des Mondes würde sich ändern – „ein Mondmonat“ wäre kürzer als heute. Sehen wir uns das hier an. Wieder gilt die Gleichung:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> days passed</source>
        <translation> Tage vergangen</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit</source>
        <translation>Die Bahn des Mondes</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit traced</source>
        <translation>Die Mondbahn gezeichnet</translation>
    </message>
    <message>
        <source>The orbit at half the distance traced</source>
        <translation>Die Bahn im halben Abstand gezeichnet</translation>
    </message>
    <message>
        <source>The moon at half the distance</source>
        <translation>Der Mond im halben Abstand</translation>
    </message>
    <message>
        <source>Flight at half the distance</source>
        <translation>Flug im halben Abstand</translation>
    </message>
    <message>
        <source>R³ / T² = G × M / 4π²</source>
        <translation>R³ / T² = G × M / 4π²</translation>
    </message>
</context>
<context>
    <name>Lesson12</name>
    <message>
        <source>V init = V circle = </source>
        <translation>V init = V circle = </translation>
    </message>
    <message>
        <source> m/s ... circular</source>
        <translation> m/s ... Kreis</translation>
    </message>
    <message>
        <source>V init = 1.34 * V circle = </source>
        <translation>V init = 1,34 * V circle = </translation>
    </message>
    <message>
        <source> m/s ... elliptical</source>
        <translation> m/s ... Ellipse</translation>
    </message>
    <message>
        <source>V init = 1.36 * V circle = </source>
        <translation>V init = 1,36 * V circle = </translation>
    </message>
    <message>
        <source>V init = 1.38 * V circle = </source>
        <translation>V init = 1,38 * V circle = </translation>
    </message>
    <message>
        <source>V init = 1.40 * V circle = </source>
        <translation>V init = 1,40 * V circle = </translation>
    </message>
    <message>
        <source>V init = 1.42 * V circle = </source>
        <translation>V init = 1,42 * V circle = </translation>
    </message>
    <message>
        <source> m/s ... HYPERBOLIC</source>
        <translation> m/s ... HYPERBEL</translation>
    </message>
    <message>
        <source>V init = 1.44 * V circle = </source>
        <translation>V init = 1,44 * V circle = </translation>
    </message>
    <message>
        <source>Check1</source>
        <translation>Check1</translation>
    </message>
    <message>
        <source>This kind of calculation becomes useful when we are to send an object to other planets, such as Galileo in the Jupiter Expedition.</source>
        <translation>Solche Rechnungen braucht man, wenn man einen Körper zu anderen Planeten schicken will, etwa die Sonde Galileo zum Jupiter.</translation>
    </message>
    <message>
        <source>In other words, when V init surpasses 1.414 * V circle, the object will not return. It is liberated from the gravitational force ... so, 1.414 * V circle is the velocity of no return!</source>
        <translation>Ist also V init größer als 1,414 * V circle, kehrt der Körper nicht zurück. Er ist von der Gravitationskraft befreit ... 1,414 * V circle ist die Geschwindigkeit ohne Rückkehr!</translation>
    </message>
    <message>
        <source>We see here, as V init  surpasses 1.414 * V circle, the trajectory becomes hyperbolic</source>
        <translation>Wir sehen: Übersteigt V init den Wert 1,414 * V circle, wird die Bahn zur Hyperbel</translation>
    </message>
    <message>
        <source>   V init =    2  * V circle = 1.414 * V circle</source>
        <translation>   V init =    2  * V circle = 1,414 * V circle</translation>
    </message>
    <message>
        <source>The border between elliptical and hyperbolic orbits is </source>
        <translation>Die Grenze zwischen Ellipsen- und Hyperbelbahnen liegt bei </translation>
    </message>
    <message>
        <source>When the initial velocity of an object moving under gravity surpasses a certain value, its trajectory is no more elliptical, but becomes hyperbolic!</source>
        <translation>Übersteigt die Anfangsgeschwindigkeit eines Körpers im Schwerefeld einen bestimmten Wert, ist seine Bahn keine Ellipse mehr, sondern eine Hyperbel!</translation>
    </message>
    <message>
        <source>  m * V circle / r     = G*M*m ./ r</source>
        <translation>  m * V circle / r     = G*M*m ./ r</translation>
    </message>
    <message>
        <source>Note: V circle is V init that results in circular orbit; it matches the following equation:</source>
        <translation>Hinweis: V circle ist das V init, das eine Kreisbahn ergibt; es erfüllt die Gleichung:</translation>
    </message>
    <message>
        <source>Downscaling the Earth</source>
        <translation>Die Erde wird verkleinert</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km über der Erde</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>Warte!</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Initial Velocity</source>
        <translation>Startgeschw.</translation>
    </message>
    <message>
        <source> km high from earth surface</source>
        <translation> km über der Erde</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Start mit </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circular orbit</source>
        <translation>Die Geschwindigkeit für eine Kreisbahn</translation>
    </message>
    <message>
        <source>The velocity of no return</source>
        <translation>Die Fluchtgeschwindigkeit</translation>
    </message>
    <message>
        <source>V init = √2 × V circle = 1.414 × V circle</source>
        <translation>V init = √2 × V circle = 1,414 × V circle</translation>
    </message>
    <message>
        <source>m × V circle² / r = G × M × m / r²</source>
        <translation>m × V circle² / r = G × M × m / r²</translation>
    </message>
    <message>
        <source>Launch at this initial velocity</source>
        <translation>Mit dieser Anfangsgeschwindigkeit starten</translation>
    </message>
</context>
<context>
    <name>Lesson2</name>
    <message>
        <source>Command1</source>
        <translation>Command1</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>The gravitational acceleration on the earth&apos;s surface, usually denoted as      , is about 9.8 m/s .</source>
        <translation>Die Fallbeschleunigung an der Erdoberfläche, meistens bezeichnet mit         , ist etwa 9,8 m/s .</translation>
    </message>
    <message>
        <source>As M becomes much greater than m, as we see above, m looks like &apos;falling&apos; toward M. This is also true for a stone falling toward the earth. In this case, M is said having &apos;gravitational acceleration&apos;; it means that an object (m) will accelerate due to M&apos;s gravity.</source>
        <translation>Wird M viel größer als m, so scheint m – wie oben zu sehen – auf M zu „fallen“. Genauso fällt ein Stein auf die Erde. Man sagt dann, M erzeugt eine „Fallbeschleunigung“: Ein Körper (m) wird durch die Gravitation von M beschleunigt.</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>M/m =</source>
        <translation>M/m =</translation>
    </message>
    <message>
        <source>Ratio of masses (M and m)</source>
        <translation>Verhältnis der Massen M und m</translation>
    </message>
    <message>
        <source>Simulation of Attraction Force between two masses which are at rest at initial time</source>
        <translation>Simulation der Anziehungskraft zwischen zwei Massen, die anfangs in Ruhe sind</translation>
    </message>
    <message>
        <source>Mass ratio </source>
        <translation>Massenverhältnis </translation>
    </message>
    <message>
        <source>The two masses attract each other</source>
        <translation>Die beiden Massen ziehen sich an</translation>
    </message>
    <message>
        <source>The gravitational acceleration on the earth&apos;s surface, usually denoted as g, is about 9.8 m/s².</source>
        <translation>Die Fallbeschleunigung an der Erdoberfläche, meistens bezeichnet mit g, ist etwa 9,8 m/s².</translation>
    </message>
    <message>
        <source>Ratio of masses M/m</source>
        <translation>Massenverhältnis M/m</translation>
    </message>
    <message>
        <source>Let the first pair of masses attract</source>
        <translation>Anziehung des ersten Massenpaars starten</translation>
    </message>
    <message>
        <source>Let the second pair of masses attract</source>
        <translation>Anziehung des zweiten Massenpaars starten</translation>
    </message>
    <message>
        <source>Let the third pair of masses attract</source>
        <translation>Anziehung des dritten Massenpaars starten</translation>
    </message>
</context>
<context>
    <name>Lesson3</name>
    <message>
        <source>g = 9.8 m/s</source>
        <translation>g = 9,8 m/s</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>Warte!</translation>
    </message>
    <message>
        <source>Throwing an object from Pisa Tower, an inclining tower in Italy, Galileo Galilei did his experiment of gravity there.</source>
        <translation>Vom Schiefen Turm von Pisa in Italien ließ Galileo Galilei Körper fallen, um die Schwerkraft zu untersuchen.</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>UHR</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>ERDE</translation>
    </message>
    <message>
        <source>v=0 m/s</source>
        <translation>v=0 m/s</translation>
    </message>
    <message>
        <source>v = </source>
        <translation>v = </translation>
    </message>
    <message>
        <source> * 9.8 m/s</source>
        <translation> * 9,8 m/s</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>The ball falls</source>
        <translation>Die Kugel fällt</translation>
    </message>
    <message>
        <source>g = 9.8 m/s²</source>
        <translation>g = 9,8 m/s²</translation>
    </message>
</context>
<context>
    <name>Lesson4</name>
    <message>
        <source>T = 365.25 x 24 x 3600  seconds  ... period of earth&apos;s revolution = 1 year</source>
        <translation>T = 365,25 x 24 x 3600  Sekunden  ... Umlaufdauer der Erde = 1 Jahr</translation>
    </message>
    <message>
        <source>Sun is 330,000 times &apos;heavier&apos; than the earth</source>
        <translation>Sonne: 330&#xa0;000-mal ‚schwerer‘ als die Erde</translation>
    </message>
    <message>
        <source>=&gt;  M = 2 x 10       kg</source>
        <translation>=&gt;  M = 2 x 10       kg</translation>
    </message>
    <message>
        <source>R = 1.5 x 10        m  ... distance between earth and sun</source>
        <translation>R = 1,5 x 10        m  ... Abstand Erde–Sonne</translation>
    </message>
    <message>
        <source>G = 6.6 x 10         Nm     /kg      ... gravity constant</source>
        <translation>G = 6,6 x 10         Nm     /kg      ... Gravitationskonstante</translation>
    </message>
    <message>
        <source>The mass of the sun M can be calculated using the following values:</source>
        <translation>Mit den folgenden Werten lässt sich die Masse M der Sonne berechnen:</translation>
    </message>
    <message>
        <source>M = 4           R    /GT</source>
        <translation>M = 4           R    /GT</translation>
    </message>
    <message>
        <source>Substituting v with 2    R/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Setzt man v gleich 2    R/T, wobei R der Abstand zwischen Erde und Sonne und T die Umlaufdauer der Erde (=1 Jahr) ist, in Gleichung (1) ein und verbindet sie mit Gleichung (2), so erhält man:</translation>
    </message>
    <message>
        <source>F(2)</source>
        <translation>F(2)</translation>
    </message>
    <message>
        <source>F(1)</source>
        <translation>F(1)</translation>
    </message>
    <message>
        <source>F = GMm/R            (2) ... gravitational force</source>
        <translation>F = GMm/R            (2) ... Gravitationskraft</translation>
    </message>
    <message>
        <source>F = mv   /R             (1) ... centrifugal force</source>
        <translation>F = mv   /R             (1) ... Zentrifugalkraft</translation>
    </message>
    <message>
        <source>MASS OF SUN </source>
        <translation>SONNENMASSE </translation>
    </message>
    <message>
        <source>=&gt;  M = 6 x 10       kg</source>
        <translation>=&gt;  M = 6 x 10       kg</translation>
    </message>
    <message>
        <source>R = 6.3 x 10        m  ... radius of earth</source>
        <translation>R = 6,3 x 10        m  ... Erdradius</translation>
    </message>
    <message>
        <source>g = 9.8 m/s    ... earth&apos;s gravitational acceleration</source>
        <translation>g = 9,8 m/s    ... Fallbeschleunigung der Erde</translation>
    </message>
    <message>
        <source>The mass of the earth M can be calculated using the following values:</source>
        <translation>Mit den folgenden Werten lässt sich die Masse M der Erde berechnen:</translation>
    </message>
    <message>
        <source>g = GM/R       (3)</source>
        <translation>g = GM/R       (3)</translation>
    </message>
    <message>
        <source>From equations (1) and (2), we obtain:</source>
        <translation>Aus den Gleichungen (1) und (2) folgt:</translation>
    </message>
    <message>
        <source>F = GMm/R     (2)</source>
        <translation>F = GMm/R     (2)</translation>
    </message>
    <message>
        <source>F = mg             (1)</source>
        <translation>F = mg             (1)</translation>
    </message>
    <message>
        <source>MASS OF EARTH</source>
        <translation>ERDMASSE</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SONNE</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>ERDE</translation>
    </message>
    <message>
        <source>F = G × M × m / R² (2)</source>
        <translation>F = G × M × m / R² (2)</translation>
    </message>
    <message>
        <source>g = G × M / R² (3)</source>
        <translation>g = G × M / R² (3)</translation>
    </message>
    <message>
        <source>g = 9.8 m/s² ... earth&apos;s gravitational acceleration</source>
        <translation>g = 9,8 m/s² ... Fallbeschleunigung der Erde</translation>
    </message>
    <message>
        <source>G = 6.6 × 10⁻¹¹ N m² / kg² ... gravity constant</source>
        <translation>G = 6,6 × 10⁻¹¹ N m² / kg² ... Gravitationskonstante</translation>
    </message>
    <message>
        <source>R = 6.3 × 10⁶ m ... radius of earth</source>
        <translation>R = 6,3 × 10⁶ m ... Erdradius</translation>
    </message>
    <message>
        <source>=&gt; M = 6 × 10²⁴ kg</source>
        <translation>=&gt; M = 6 × 10²⁴ kg</translation>
    </message>
    <message>
        <source>F = m × v² / R (1) ... centrifugal force</source>
        <translation>F = m × v² / R (1) ... Zentrifugalkraft</translation>
    </message>
    <message>
        <source>F = G × M × m / R² (2) ... gravitational force</source>
        <translation>F = G × M × m / R² (2) ... Gravitationskraft</translation>
    </message>
    <message>
        <source>Substituting v with 2πR/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Setzt man v gleich 2πR/T, wobei R der Abstand zwischen Erde und Sonne und T die Umlaufdauer der Erde (=1 Jahr) ist, in Gleichung (1) ein und verbindet sie mit Gleichung (2), so erhält man:</translation>
    </message>
    <message>
        <source>M = 4π² × R³ / (G × T²)</source>
        <translation>M = 4π² × R³ / (G × T²)</translation>
    </message>
    <message>
        <source>R = 1.5 × 10¹¹ m ... distance between earth and sun</source>
        <translation>R = 1,5 × 10¹¹ m ... Abstand Erde–Sonne</translation>
    </message>
    <message>
        <source>=&gt; M = 2 × 10³⁰ kg</source>
        <translation>=&gt; M = 2 × 10³⁰ kg</translation>
    </message>
</context>
<context>
    <name>Lesson5</name>
    <message>
        <source>WAIT!</source>
        <translation>Warte!</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 Grad</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 Grad</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 Grad</translation>
    </message>
    <message>
        <source>The stone travels in a PARABOLIC curve</source>
        <translation>Der Stein fliegt auf einer PARABEL</translation>
    </message>
    <message>
        <source>Equation of Curve:</source>
        <translation>Gleichung der Bahn:</translation>
    </message>
    <message>
        <source>y = tan(a) * x  -  g /{2Vo     cos   (a)} * x</source>
        <translation>y = tan(a) * x  -  g /{2Vo     cos   (a)} * x</translation>
    </message>
    <message>
        <source>y          =  Vo     sin     (a) / 2g</source>
        <translation>y          =  Vo     sin     (a) / 2g</translation>
    </message>
    <message>
        <source>x          =  Vo     sin(2a) / g</source>
        <translation>x          =  Vo     sin(2a) / g</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>THROWING STONE ON EARTH AND ON MOON</source>
        <translation>STEINWURF AUF ERDE UND MOND</translation>
    </message>
    <message>
        <source>On the moon, stone flies higher and farther and takes more time than on the earth, because the moon&apos;s gravity is weaker than the earth&apos;s gravity. The ratio is about 1:6.</source>
        <translation>Auf dem Mond fliegt der Stein höher und weiter und ist länger unterwegs als auf der Erde, weil die Schwerkraft des Mondes schwächer ist. Das Verhältnis ist etwa 1:6.</translation>
    </message>
    <message>
        <source>Now imagine, how large a field needed to play football on the moon!</source>
        <translation>Stell dir vor, wie groß ein Fußballfeld auf dem Mond sein müsste!</translation>
    </message>
    <message>
        <source>On earth</source>
        <translation>Auf der Erde</translation>
    </message>
    <message>
        <source>On moon</source>
        <translation>Auf dem Mond</translation>
    </message>
    <message>
        <source>Throw at 30°</source>
        <translation>Wurf unter 30°</translation>
    </message>
    <message>
        <source>Throw at 45°</source>
        <translation>Wurf unter 45°</translation>
    </message>
    <message>
        <source>Throw at 60°</source>
        <translation>Wurf unter 60°</translation>
    </message>
    <message>
        <source>y = tan(a) × x − g / (2 × Vo² × cos²(a)) × x²</source>
        <translation>y = tan(a) × x − g / (2 × Vo² × cos²(a)) × x²</translation>
    </message>
    <message>
        <source>y max = Vo² × sin²(a) / 2g</source>
        <translation>y max = Vo² × sin²(a) / 2g</translation>
    </message>
    <message>
        <source>x max = Vo² × sin(2a) / g</source>
        <translation>x max = Vo² × sin(2a) / g</translation>
    </message>
</context>
<context>
    <name>Lesson6</name>
    <message>
        <source>WAIT!</source>
        <translation>Warte!</translation>
    </message>
    <message>
        <source>R = 6.3 x 10      m</source>
        <translation>R = 6,3 x 10      m</translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation>Erd-
mitte</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>ERDE</translation>
    </message>
    <message>
        <source>Launching object with</source>
        <translation>Wurf eines Körpers mit</translation>
    </message>
    <message>
        <source>Initial Velocity = 9000 m/s</source>
        <translation>Startgeschw. = 9000 m/s</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 Grad</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 Grad</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 Grad</translation>
    </message>
    <message>
        <source>What kind of curves are these?</source>
        <translation>Was für Kurven sind das?</translation>
    </message>
    <message>
        <source>Let&apos;s extend the curves</source>
        <translation>Verlängern wir die Kurven</translation>
    </message>
    <message>
        <source>By extending the curves, we now know that they are all ELLIPSES!</source>
        <translation>Verlängert man die Kurven, sieht man: Alle sind ELLIPSEN!</translation>
    </message>
    <message>
        <source>All center lines intersect at the earth center</source>
        <translation>Alle Hauptachsen schneiden sich im Erdmittelpunkt</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Start mit </translation>
    </message>
    <message>
        <source>The </source>
        <translation>Die </translation>
    </message>
    <message>
        <source>° curve extended</source>
        <translation>°-Kurve verlängert</translation>
    </message>
    <message>
        <source>They are all ellipses</source>
        <translation>Alle sind Ellipsen</translation>
    </message>
    <message>
        <source>R = 6.3 × 10⁶ m</source>
        <translation>R = 6,3 × 10⁶ m</translation>
    </message>
</context>
<context>
    <name>Lesson7</name>
    <message>
        <source>Redraw</source>
        <translation>Neu zeichnen</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation>Erd-
mitte</translation>
    </message>
    <message>
        <source>An ellipse has two focuses.</source>
        <translation>Eine Ellipse hat zwei Brennpunkte.</translation>
    </message>
    <message>
        <source>In this case, one of its focus, that is f1, overlaps with the earth center.</source>
        <translation>Hier fällt einer ihrer Brennpunkte, f1, mit dem Erdmittelpunkt zusammen.</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>ERDE</translation>
    </message>
    <message>
        <source>This kind of calculation is sometimes used for Intercontinental Ballistic Missiles (ICBM)! Missile-defence programmes that aim to stop such a missile in flight rely on the same calculation.</source>
        <translation>Solche Rechnungen werden manchmal für Interkontinentalraketen (ICBM) genutzt! Auch Raketenabwehrsysteme, die eine solche Rakete im Flug abfangen sollen, beruhen auf dieser Rechnung.</translation>
    </message>
    <message>
        <source>Ellipse&apos; Equation:</source>
        <translation>Ellipsengleichung:</translation>
    </message>
    <message>
        <source>x   /a    + y    /b    = 1</source>
        <translation>x   /a    + y    /b    = 1</translation>
    </message>
    <message>
        <source>f     = f     = a   - b</source>
        <translation>f     = f     = a   - b</translation>
    </message>
    <message>
        <source>Drawing the ellipse</source>
        <translation>Die Ellipse zeichnen</translation>
    </message>
    <message>
        <source>The ellipse&apos;s equations</source>
        <translation>Die Gleichungen der Ellipse</translation>
    </message>
    <message>
        <source>f1</source>
        <translation>f1</translation>
    </message>
    <message>
        <source>f2</source>
        <translation>f2</translation>
    </message>
    <message>
        <source>x² / a² + y² / b² = 1</source>
        <translation>x² / a² + y² / b² = 1</translation>
    </message>
    <message>
        <source>f1² = f2² = a² − b²</source>
        <translation>f1² = f2² = a² − b²</translation>
    </message>
</context>
<context>
    <name>Lesson8</name>
    <message>
        <source>Initial Velocity</source>
        <translation>Startgeschw.</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Check1</source>
        <translation>Check1</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>Warte!</translation>
    </message>
    <message>
        <source>6370 km</source>
        <translation>6370 km</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km über der Erde</translation>
    </message>
    <message>
        <source>Let&apos;s extend the disconnected curves</source>
        <translation>Verlängern wir die Kurvenstücke</translation>
    </message>
    <message>
        <source>Now, what happens if the initial velocity is according to the following equation:</source>
        <translation>Was passiert nun, wenn die Anfangsgeschwindigkeit die folgende Gleichung erfüllt:</translation>
    </message>
    <message>
        <source>mv  /r = GMm/r</source>
        <translation>mv  /r = GMm/r</translation>
    </message>
    <message>
        <source>The object moves around a circle!</source>
        <translation>Der Körper bewegt sich im Kreis!</translation>
    </message>
    <message>
        <source>A circle is a special case of ellipse. It is an ellipse whose focuses join into a single point, which is the center of circle!</source>
        <translation>Ein Kreis ist ein Sonderfall der Ellipse: Ihre beiden Brennpunkte fallen im Mittelpunkt des Kreises zusammen!</translation>
    </message>
    <message>
        <source>a = b</source>
        <translation>a = b</translation>
    </message>
    <message>
        <source>The </source>
        <translation>Die </translation>
    </message>
    <message>
        <source> m/s curve extended</source>
        <translation> m/s-Kurve verlängert</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Start mit </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circle</source>
        <translation>Die Geschwindigkeit für einen Kreis</translation>
    </message>
    <message>
        <source>Circular orbits</source>
        <translation>Kreisbahnen</translation>
    </message>
    <message>
        <source>A circle is a special ellipse</source>
        <translation>Ein Kreis ist eine besondere Ellipse</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r²</source>
        <translation>m × v² / r = G × M × m / r²</translation>
    </message>
    <message>
        <source>Launch at this initial velocity</source>
        <translation>Mit dieser Anfangsgeschwindigkeit starten</translation>
    </message>
</context>
<context>
    <name>Lesson9</name>
    <message>
        <source>Let us have the simulation.</source>
        <translation>Nun zur Simulation.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>UHR</translation>
    </message>
    <message>
        <source>it travels in a circular orbit. Also, in such condition, exerting forces are balanced and therefore resultant force inside the space station becomes zero. No weight can be measured inside it.</source>
        <translation>erfüllt, bewegt sie sich auf einer Kreisbahn. Dann heben sich die wirkenden Kräfte auf, sodass die resultierende Kraft in der Raumstation null ist. Dort lässt sich kein Gewicht messen.</translation>
    </message>
    <message>
        <source>mv   /r = GMm/r    or v = 7837 m/s</source>
        <translation>mv   /r = GMm/r    oder v = 7837 m/s</translation>
    </message>
    <message>
        <source>Its rocket engine drives it into certain velocity that enables it move around the earth in an orbit. When its velocity fulfills the equation:</source>
        <translation>Ihr Raketentriebwerk bringt sie auf eine Geschwindigkeit, mit der sie die Erde auf einer Umlaufbahn umkreist. Wenn ihre Geschwindigkeit die Gleichung</translation>
    </message>
    <message>
        <source>We now know that the space station orbits the earth for 87 minutes. Therefore astronouts inside it will see sunrise every 87 minutes!!</source>
        <translation>Die Raumstation umkreist die Erde also in 87 Minuten. Die Astronauten an Bord sehen deshalb alle 87 Minuten einen Sonnenaufgang!!</translation>
    </message>
    <message>
        <source>Space shuttles or space stations travel in a height where air does not exist, so there is no air friction. The typical height is around 100 km above the sea.</source>
        <translation>Raumfähren und Raumstationen fliegen in einer Höhe, in der es keine Luft und damit keine Luftreibung gibt. Typisch ist eine Höhe von etwa 100 km über dem Meer.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r² or v = 7837 m/s</source>
        <translation>m × v² / r = G × M × m / r² oder v = 7837 m/s</translation>
    </message>
</context>
<context>
    <name>Lessons menu</name>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lektionen</translation>
    </message>
</context>
<context>
    <name>Message box</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Mirror</name>
    <message>
        <source>-----&lt;O Light</source>
        <translation>-----&lt;O Licht</translation>
    </message>
    <message>
        <source>Command1</source>
        <translation>Command1</translation>
    </message>
    <message>
        <source>Rays from light source </source>
        <translation>Strahlen von Lichtquelle </translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>hellgrün</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>helles Cyan</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>hellrot</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>helles Magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>Light source </source>
        <translation>Lichtquelle </translation>
    </message>
    <message>
        <source> of 12, </source>
        <translation> von 12, </translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Previous Lesson</source>
        <translation>Vorherige Lektion</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Nächste Lektion</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Continue after Messages</source>
        <translation>Nach Meldungen weiterlaufen</translation>
    </message>
    <message>
        <source>Projector Colours</source>
        <translation>Beamer-Farben</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>No mail program could be started. Please write to: </source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden. Bitte schreib an: </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Navigation</source>
        <translation>&amp;Navigation</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back 10 s</source>
        <translation>10 s zurück</translation>
    </message>
    <message>
        <source>Forward 10 s</source>
        <translation>10 s vor</translation>
    </message>
    <message>
        <source>Previous Stage</source>
        <translation>Vorheriger Abschnitt</translation>
    </message>
    <message>
        <source>Next Stage</source>
        <translation>Nächster Abschnitt</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of numbers the lessons compute: &quot;,&quot; or &quot;.&quot;</extracomment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>Save Picture</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
</context>
<context>
    <name>Utama</name>
    <message>
        <source>MAIN MENU</source>
        <translation>HAUPTMENÜ</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About this program</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>E-mail: author@example.org</source>
        <translation>E-Mail: author@example.org</translation>
    </message>
    <message>
        <source>Orbelune Learning, Bandung, Indonesia</source>
        <translation>Orbelune Learning, Bandung, Indonesien</translation>
    </message>
    <message>
        <source>   Physics courseware written by Dr. Ir. Rina Halim, M.Sc.</source>
        <translation>   Physik-Lernprogramm von Dr. Ir. Rina Halim, M.Sc.</translation>
    </message>
</context>
<context>
    <name>optics1</name>
    <message>
        <source>CENTER LINE</source>
        <translation>OPTISCHE ACHSE</translation>
    </message>
    <message>
        <source>REFLECTION AT CIRCULAR MIRROR</source>
        <translation>REFLEXION AM SPHÄRISCHEN HOHLSPIEGEL</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>R/2</source>
        <translation>R/2</translation>
    </message>
    <message>
        <source>As the position of light ray approaches the center line, the reflected ray approaches passing the common point of R/2, which is the focus.</source>
        <translation>Je näher der Lichtstrahl an der optischen Achse einfällt, desto genauer geht der reflektierte Strahl durch den gemeinsamen Punkt bei R/2, den Brennpunkt.</translation>
    </message>
</context>
<context>
    <name>optics2</name>
    <message>
        <source>1/4a</source>
        <translation>1/4a</translation>
    </message>
    <message>
        <source>For this reason, parabolic geometry is often used for high-performance antenna. Have you seen parabola antennas in your area?</source>
        <translation>Deshalb haben leistungsstarke Antennen oft die Form eines Paraboloids. Hast du bei dir in der Nähe schon Parabolantennen gesehen?</translation>
    </message>
    <message>
        <source>Equation of Parabola</source>
        <translation>Parabelgleichung</translation>
    </message>
    <message>
        <source>x = a y</source>
        <translation>x = a y</translation>
    </message>
    <message>
        <source>CENTER LINE</source>
        <translation>OPTISCHE ACHSE</translation>
    </message>
    <message>
        <source>REFLECTION AT PARABOLIC MIRROR</source>
        <translation>REFLEXION AM PARABOLSPIEGEL</translation>
    </message>
    <message>
        <source>Different form circular mirror, a parabolic mirror reflects incoming ray into a focus, regardless of the relative position of the ray from the center line.</source>
        <translation>Anders als der sphärische Hohlspiegel reflektiert ein Parabolspiegel einfallende Strahlen in einen Brennpunkt, egal wie weit sie von der optischen Achse entfernt sind.</translation>
    </message>
    <message>
        <source>x = a × y²</source>
        <translation>x = a × y²</translation>
    </message>
</context>
<context>
    <name>optics3</name>
    <message>
        <source>Redraw</source>
        <translation>Neu zeichnen</translation>
    </message>
    <message>
        <source>Note: this is only a sample of parabola antenna</source>
        <translation>Hinweis: Dies ist nur ein Beispiel einer Parabolantenne</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>a/4</source>
        <translation>a/4</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
</context>
</TS>
