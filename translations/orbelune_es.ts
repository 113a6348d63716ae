<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Browser</name>
    <message>
        <source>Click to start</source>
        <translation>Haz clic para empezar</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>The lessons could not start here: </source>
        <translation>Las lecciones no pudieron iniciarse aquí: </translation>
    </message>
    <message>
        <source>They need a browser with WebAssembly, and the page opened from a web server (http://), not from a file.</source>
        <translation>Necesitan un navegador con WebAssembly y la página abierta desde un servidor web (http://), no desde un archivo.</translation>
    </message>
    <message>
        <source>Orbelune has ended.</source>
        <translation>Orbelune ha terminado.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Volver a empezar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Full screen is not available here</source>
        <translation>La pantalla completa no está disponible aquí</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>No se pudo guardar la imagen: </translation>
    </message>
    <message>
        <source>The picture could not be copied: this browser gives the page no clipboard here.</source>
        <translation>No se pudo copiar la imagen: este navegador no da aquí acceso al portapapeles.</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Imagen copiada</translation>
    </message>
    <message>
        <source>The picture could not be copied: </source>
        <translation>No se pudo copiar la imagen: </translation>
    </message>
    <message>
        <source>No lesson is called &quot;</source>
        <translation>Ninguna lección se llama &quot;</translation>
    </message>
    <message>
        <source>&quot;: here is the main menu.</source>
        <translation>&quot;: este es el menú principal.</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Physics courseware: a gravity course of twelve lessons and an optics course of three, which play themselves.</source>
        <translation>Material didáctico de física: un curso de gravitación de doce lecciones y uno de óptica de tres, que se reproducen solos.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Start on this page instead of the main menu: a lesson&apos;s name (Lesson9, optics1) or its window title. An unknown name lists the pages.</source>
        <translation>Empieza en esta página en lugar del menú principal: el nombre de una lección (Lesson9, optics1) o el título de su ventana. Un nombre desconocido muestra la lista de páginas.</translation>
    </message>
    <message>
        <source>Show the pages full screen, without the window frame and the desktop&apos;s panels.</source>
        <translation>Muestra las páginas a pantalla completa, sin el marco de la ventana ni los paneles del escritorio.</translation>
    </message>
    <message>
        <source>Draw in projector colours: a white page and every colour dark enough to read on a projector (the View menu&apos;s Projector Colours).</source>
        <translation>Dibuja con colores de proyector: página blanca y cada color lo bastante oscuro para leerse en un proyector (Colores de proyector del menú Ver).</translation>
    </message>
    <message>
        <source>Show every text in this language: id, de, es, fr, pt_BR or en (by default the system&apos;s language, or the one the Language menu chose last).</source>
        <translation>Muestra todos los textos en este idioma: id, de, es, fr, pt_BR o en (por omisión, el idioma del sistema o el último elegido en el menú Idioma).</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no page is called &apos;%1&apos;; the pages are:</source>
        <translation>no hay ninguna página llamada &apos;%1&apos;; las páginas son:</translation>
    </message>
    <message>
        <source>no language is called &apos;%1&apos;; the languages are: %2</source>
        <translation>no hay ningún idioma llamado &apos;%1&apos;; los idiomas son: %2</translation>
    </message>
    <message>
        <source>no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>no hay pantalla donde abrir una ventana (no están definidos ni DISPLAY ni WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the window system could not be started</source>
        <translation>no se pudo iniciar el sistema de ventanas</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>no se puede abrir una ventana: %1</translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>Lesson 1: Law of Gravity</source>
        <translation>Lección 1: Ley de la gravitación</translation>
    </message>
    <message>
        <source>Lesson 2: Attraction Force</source>
        <translation>Lección 2: Fuerza de atracción</translation>
    </message>
    <message>
        <source>Lesson 3: Earth&apos;s Gravitational Acceleration</source>
        <translation>Lección 3: Aceleración de la gravedad terrestre</translation>
    </message>
    <message>
        <source>Lesson 4: How &apos;heavy&apos; are earth and sun?</source>
        <translation>Lección 4: ¿Cuánto &apos;pesan&apos; la Tierra y el Sol?</translation>
    </message>
    <message>
        <source>Lesson 5: Gravity on Earth and Moon</source>
        <translation>Lección 5: Gravedad en la Tierra y en la Luna</translation>
    </message>
    <message>
        <source>Lesson 6: Gravity on Earth (Large Scale)</source>
        <translation>Lección 6: Gravedad en la Tierra (a gran escala)</translation>
    </message>
    <message>
        <source>Lesson 7: More Explanation on Elliptical Curve</source>
        <translation>Lección 7: Más sobre la curva elíptica</translation>
    </message>
    <message>
        <source>Lesson 8: Trajectory of Object around Gravity</source>
        <translation>Lección 8: Trayectoria de un cuerpo bajo la gravedad</translation>
    </message>
    <message>
        <source>Lesson 9: Space Station and Space Shuttle</source>
        <translation>Lección 9: Estación espacial y transbordador espacial</translation>
    </message>
    <message>
        <source>Lesson 10: Satellites</source>
        <translation>Lección 10: Satélites</translation>
    </message>
    <message>
        <source>Lesson 11: Moon&apos;s Orbit</source>
        <translation>Lección 11: Órbita de la Luna</translation>
    </message>
    <message>
        <source>Lesson 12: Hyperbolic Trajectory</source>
        <translation>Lección 12: Trayectoria hiperbólica</translation>
    </message>
    <message>
        <source>Reflection at Circular Mirror</source>
        <translation>Reflexión en un espejo esférico</translation>
    </message>
    <message>
        <source>Reflection at Parabolic Mirror</source>
        <translation>Reflexión en un espejo parabólico</translation>
    </message>
    <message>
        <source>3D Image of Parabola Antenna</source>
        <translation>Imagen 3D de una antena parabólica</translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Optics</source>
        <translation>Óptica</translation>
    </message>
</context>
<context>
    <name>Language menu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>Lesson1</name>
    <message>
        <source>Both have similar forms!</source>
        <translation>¡Ambas tienen formas parecidas!</translation>
    </message>
    <message>
        <source>... a constant </source>
        <translation>... una constante </translation>
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
        <translation>... es la constante de gravitación universal</translation>
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
        <translation>Comparación con la fuerza eléctrica</translation>
    </message>
    <message>
        <source>GRAVITATIONAL FORCE</source>
        <translation>FUERZA GRAVITATORIA</translation>
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
        <translation>¡ESPERA!</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELOJ</translation>
    </message>
    <message>
        <source>where R is the position of the satellite in relative to the earth center; T is the rotational period of the earth, that is 24 hours; G is universal gravity constant and M is the mass of the earth.</source>
        <translation>donde R es la distancia del satélite al centro de la Tierra; T, el periodo de rotación de la Tierra, es decir, 24 horas; G, la constante de gravitación universal, y M, la masa de la Tierra.</translation>
    </message>
    <message>
        <source>Now let us take a look at non-stationary satellite.</source>
        <translation>Veamos ahora un satélite no geoestacionario.</translation>
    </message>
    <message>
        <source>There are two kinds of satellite; non-geostationary and geostationary. A geostationary satellite looks like unmoving according to an observer on the earth. The position of its orbit can be determined using the following equation:</source>
        <translation>Hay dos tipos de satélites: no geoestacionarios y geoestacionarios. Un satélite geoestacionario parece inmóvil para un observador en la Tierra. La posición de su órbita se puede calcular con la siguiente ecuación:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> hours passed</source>
        <translation> horas transcurridas</translation>
    </message>
    <message>
        <source>A geostationary satellite</source>
        <translation>Un satélite geoestacionario</translation>
    </message>
    <message>
        <source>The geostationary orbit traced</source>
        <translation>La órbita geoestacionaria trazada</translation>
    </message>
    <message>
        <source>The lower orbit traced</source>
        <translation>La órbita más baja trazada</translation>
    </message>
    <message>
        <source>A satellite that is not stationary</source>
        <translation>Un satélite no estacionario</translation>
    </message>
    <message>
        <source>A satellite on a lower orbit</source>
        <translation>Un satélite en una órbita más baja</translation>
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
        <translation>Fase de la Luna</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>¡ESPERA!</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELOJ</translation>
    </message>
    <message>
        <source>The violet curve is the present orbit of the moon. And the green one is the orbit if the distance is half of present distance.</source>
        <translation>La curva violeta es la órbita actual de la Luna, y la verde, la órbita si la distancia fuera la mitad de la actual.</translation>
    </message>
    <message>
        <source>The moon would travel faster if its position was half of the present position.</source>
        <translation>La Luna iría más rápido si su distancia fuera la mitad de la actual.</translation>
    </message>
    <message>
        <source>Have you ever imagined what would happen if the moon&apos;s orbit was half of now&apos;s? The most serious consequence is that the moon&apos;s period would change; &apos;One lunar month&apos; would become shorter than it is now. Let us examine how it happens here. Again the equation that rules this is:</source>
        <translation>¿Te has imaginado qué pasaría si la órbita de la Luna fuera la mitad de la actual? La consecuencia más seria es que cambiaría su periodo: &apos;un mes lunar&apos; sería más corto que ahora. Veamos aquí cómo ocurre. De nuevo, la ecuación que lo rige es:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> days passed</source>
        <translation> días transcurridos</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit</source>
        <translation>La órbita de la Luna</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit traced</source>
        <translation>La órbita de la Luna trazada</translation>
    </message>
    <message>
        <source>The orbit at half the distance traced</source>
        <translation>La órbita a media distancia trazada</translation>
    </message>
    <message>
        <source>The moon at half the distance</source>
        <translation>La Luna a media distancia</translation>
    </message>
    <message>
        <source>Flight at half the distance</source>
        <translation>Vuelo a media distancia</translation>
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
        <translation> m/s ... circular</translation>
    </message>
    <message>
        <source>V init = 1.34 * V circle = </source>
        <translation>V init = 1,34 * V circle = </translation>
    </message>
    <message>
        <source> m/s ... elliptical</source>
        <translation> m/s ... elíptica</translation>
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
        <translation> m/s ... HIPERBÓLICA</translation>
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
        <translation>Este tipo de cálculo es útil cuando queremos enviar un objeto a otros planetas, como la sonda Galileo en su misión a Júpiter.</translation>
    </message>
    <message>
        <source>In other words, when V init surpasses 1.414 * V circle, the object will not return. It is liberated from the gravitational force ... so, 1.414 * V circle is the velocity of no return!</source>
        <translation>Es decir, cuando V init supera 1,414 * V circle, el objeto ya no vuelve. Se libera de la fuerza gravitatoria... así que 1,414 * V circle es la velocidad de escape: ¡sin retorno!</translation>
    </message>
    <message>
        <source>We see here, as V init  surpasses 1.414 * V circle, the trajectory becomes hyperbolic</source>
        <translation>Aquí vemos que, cuando V init supera 1,414 * V circle, la trayectoria se vuelve hiperbólica</translation>
    </message>
    <message>
        <source>   V init =    2  * V circle = 1.414 * V circle</source>
        <translation>   V init =    2  * V circle = 1,414 * V circle</translation>
    </message>
    <message>
        <source>The border between elliptical and hyperbolic orbits is </source>
        <translation>El límite entre las órbitas elípticas e hiperbólicas es </translation>
    </message>
    <message>
        <source>When the initial velocity of an object moving under gravity surpasses a certain value, its trajectory is no more elliptical, but becomes hyperbolic!</source>
        <translation>Cuando la velocidad inicial de un objeto que se mueve bajo la gravedad supera cierto valor, ¡su trayectoria deja de ser elíptica y se vuelve hiperbólica!</translation>
    </message>
    <message>
        <source>  m * V circle / r     = G*M*m ./ r</source>
        <translation>  m * V circle / r     = G*M*m ./ r</translation>
    </message>
    <message>
        <source>Note: V circle is V init that results in circular orbit; it matches the following equation:</source>
        <translation>Nota: V circle es la V init que da una órbita circular; cumple la siguiente ecuación:</translation>
    </message>
    <message>
        <source>Downscaling the Earth</source>
        <translation>La Tierra a escala reducida</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km sobre la superficie terrestre</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>¡ESPERA!</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Initial Velocity</source>
        <translation>Velocidad inicial</translation>
    </message>
    <message>
        <source> km high from earth surface</source>
        <translation> km sobre la superficie terrestre</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lanzamiento a </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circular orbit</source>
        <translation>La velocidad para una órbita circular</translation>
    </message>
    <message>
        <source>The velocity of no return</source>
        <translation>La velocidad de escape</translation>
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
        <translation>Lanzar con esta velocidad inicial</translation>
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
        <translation>La aceleración de la gravedad en la superficie terrestre, denotada por      , vale unos 9,8 m/s .</translation>
    </message>
    <message>
        <source>As M becomes much greater than m, as we see above, m looks like &apos;falling&apos; toward M. This is also true for a stone falling toward the earth. In this case, M is said having &apos;gravitational acceleration&apos;; it means that an object (m) will accelerate due to M&apos;s gravity.</source>
        <translation>Cuando M es mucho mayor que m, como vemos arriba, m parece &apos;caer&apos; hacia M. Lo mismo ocurre con una piedra que cae hacia la Tierra. En este caso se dice que M tiene &apos;aceleración de la gravedad&apos;: un cuerpo (m) se acelera por la gravedad de M.</translation>
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
        <translation>Razón de masas (M y m)</translation>
    </message>
    <message>
        <source>Simulation of Attraction Force between two masses which are at rest at initial time</source>
        <translation>Simulación de la fuerza de atracción entre dos masas inicialmente en reposo</translation>
    </message>
    <message>
        <source>Mass ratio </source>
        <translation>Razón de masas </translation>
    </message>
    <message>
        <source>The two masses attract each other</source>
        <translation>Las dos masas se atraen</translation>
    </message>
    <message>
        <source>The gravitational acceleration on the earth&apos;s surface, usually denoted as g, is about 9.8 m/s².</source>
        <translation>La aceleración de la gravedad en la superficie terrestre, denotada por g, vale unos 9,8 m/s².</translation>
    </message>
    <message>
        <source>Ratio of masses M/m</source>
        <translation>Razón de masas M/m</translation>
    </message>
    <message>
        <source>Let the first pair of masses attract</source>
        <translation>Dejar que el primer par de masas se atraiga</translation>
    </message>
    <message>
        <source>Let the second pair of masses attract</source>
        <translation>Dejar que el segundo par de masas se atraiga</translation>
    </message>
    <message>
        <source>Let the third pair of masses attract</source>
        <translation>Dejar que el tercer par de masas se atraiga</translation>
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
        <translation>¡ESPERA!</translation>
    </message>
    <message>
        <source>Throwing an object from Pisa Tower, an inclining tower in Italy, Galileo Galilei did his experiment of gravity there.</source>
        <translation>Galileo Galilei hizo su experimento sobre la gravedad dejando caer objetos desde la Torre de Pisa, una torre inclinada de Italia.</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELOJ</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TIERRA</translation>
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
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>The ball falls</source>
        <translation>La bola cae</translation>
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
        <translation>T = 365,25 x 24 x 3600  segundos  ... periodo de revolución de la Tierra = 1 año</translation>
    </message>
    <message>
        <source>Sun is 330,000 times &apos;heavier&apos; than the earth</source>
        <translation>El Sol es 330 000 veces más &apos;pesado&apos; que la Tierra</translation>
    </message>
    <message>
        <source>=&gt;  M = 2 x 10       kg</source>
        <translation>=&gt;  M = 2 x 10       kg</translation>
    </message>
    <message>
        <source>R = 1.5 x 10        m  ... distance between earth and sun</source>
        <translation>R = 1,5 x 10        m  ... distancia entre la Tierra y el Sol</translation>
    </message>
    <message>
        <source>G = 6.6 x 10         Nm     /kg      ... gravity constant</source>
        <translation>G = 6,6 x 10         Nm     /kg      ... constante de gravitación</translation>
    </message>
    <message>
        <source>The mass of the sun M can be calculated using the following values:</source>
        <translation>La masa del Sol M se puede calcular con los siguientes valores:</translation>
    </message>
    <message>
        <source>M = 4           R    /GT</source>
        <translation>M = 4           R    /GT</translation>
    </message>
    <message>
        <source>Substituting v with 2    R/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Sustituyendo v por 2    R/T, donde R es la distancia entre la Tierra y el Sol y T el periodo de revolución de la Tierra (=1 año), en la ecuación (1) y combinándola con la ecuación (2), obtenemos:</translation>
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
        <translation>F = GMm/R            (2) ... fuerza gravitatoria</translation>
    </message>
    <message>
        <source>F = mv   /R             (1) ... centrifugal force</source>
        <translation>F = mv   /R             (1) ... fuerza centrífuga</translation>
    </message>
    <message>
        <source>MASS OF SUN </source>
        <translation>MASA DEL SOL </translation>
    </message>
    <message>
        <source>=&gt;  M = 6 x 10       kg</source>
        <translation>=&gt;  M = 6 x 10       kg</translation>
    </message>
    <message>
        <source>R = 6.3 x 10        m  ... radius of earth</source>
        <translation>R = 6,3 x 10        m  ... radio de la Tierra</translation>
    </message>
    <message>
        <source>g = 9.8 m/s    ... earth&apos;s gravitational acceleration</source>
        <translation>g = 9,8 m/s    ... aceleración de la gravedad terrestre</translation>
    </message>
    <message>
        <source>The mass of the earth M can be calculated using the following values:</source>
        <translation>La masa de la Tierra M se puede calcular con los siguientes valores:</translation>
    </message>
    <message>
        <source>g = GM/R       (3)</source>
        <translation>g = GM/R       (3)</translation>
    </message>
    <message>
        <source>From equations (1) and (2), we obtain:</source>
        <translation>De las ecuaciones (1) y (2) obtenemos:</translation>
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
        <translation>MASA DE LA TIERRA</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TIERRA</translation>
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
        <translation>g = 9,8 m/s² ... aceleración de la gravedad terrestre</translation>
    </message>
    <message>
        <source>G = 6.6 × 10⁻¹¹ N m² / kg² ... gravity constant</source>
        <translation>G = 6,6 × 10⁻¹¹ N m² / kg² ... constante de gravitación</translation>
    </message>
    <message>
        <source>R = 6.3 × 10⁶ m ... radius of earth</source>
        <translation>R = 6,3 × 10⁶ m ... radio de la Tierra</translation>
    </message>
    <message>
        <source>=&gt; M = 6 × 10²⁴ kg</source>
        <translation>=&gt; M = 6 × 10²⁴ kg</translation>
    </message>
    <message>
        <source>F = m × v² / R (1) ... centrifugal force</source>
        <translation>F = m × v² / R (1) ... fuerza centrífuga</translation>
    </message>
    <message>
        <source>F = G × M × m / R² (2) ... gravitational force</source>
        <translation>F = G × M × m / R² (2) ... fuerza gravitatoria</translation>
    </message>
    <message>
        <source>Substituting v with 2πR/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Sustituyendo v por 2πR/T, donde R es la distancia entre la Tierra y el Sol y T el periodo de revolución de la Tierra (=1 año), en la ecuación (1) y combinándola con la ecuación (2), obtenemos:</translation>
    </message>
    <message>
        <source>M = 4π² × R³ / (G × T²)</source>
        <translation>M = 4π² × R³ / (G × T²)</translation>
    </message>
    <message>
        <source>R = 1.5 × 10¹¹ m ... distance between earth and sun</source>
        <translation>R = 1,5 × 10¹¹ m ... distancia entre la Tierra y el Sol</translation>
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
        <translation>¡ESPERA!</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 grados</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 grados</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 grados</translation>
    </message>
    <message>
        <source>The stone travels in a PARABOLIC curve</source>
        <translation>La piedra describe una curva PARABÓLICA</translation>
    </message>
    <message>
        <source>Equation of Curve:</source>
        <translation>Ecuación de la curva:</translation>
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
        <translation>LANZAR UNA PIEDRA EN LA TIERRA Y EN LA LUNA</translation>
    </message>
    <message>
        <source>On the moon, stone flies higher and farther and takes more time than on the earth, because the moon&apos;s gravity is weaker than the earth&apos;s gravity. The ratio is about 1:6.</source>
        <translation>En la Luna, la piedra sube más alto, llega más lejos y tarda más que en la Tierra, porque la gravedad lunar es más débil que la terrestre. La razón es de aproximadamente 1:6.</translation>
    </message>
    <message>
        <source>Now imagine, how large a field needed to play football on the moon!</source>
        <translation>Imagina ahora qué tamaño tendría que tener un campo para jugar al fútbol en la Luna.</translation>
    </message>
    <message>
        <source>On earth</source>
        <translation>En la Tierra</translation>
    </message>
    <message>
        <source>On moon</source>
        <translation>En la Luna</translation>
    </message>
    <message>
        <source>Throw at 30°</source>
        <translation>Lanzamiento a 30°</translation>
    </message>
    <message>
        <source>Throw at 45°</source>
        <translation>Lanzamiento a 45°</translation>
    </message>
    <message>
        <source>Throw at 60°</source>
        <translation>Lanzamiento a 60°</translation>
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
        <translation>¡ESPERA!</translation>
    </message>
    <message>
        <source>R = 6.3 x 10      m</source>
        <translation>R = 6,3 x 10      m</translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation>Centro de la Tierra</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TIERRA</translation>
    </message>
    <message>
        <source>Launching object with</source>
        <translation>Lanzamos un cuerpo con</translation>
    </message>
    <message>
        <source>Initial Velocity = 9000 m/s</source>
        <translation>Velocidad inicial = 9000 m/s</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 grados</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 grados</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 grados</translation>
    </message>
    <message>
        <source>What kind of curves are these?</source>
        <translation>¿Qué tipo de curvas son?</translation>
    </message>
    <message>
        <source>Let&apos;s extend the curves</source>
        <translation>Prolonguemos las curvas</translation>
    </message>
    <message>
        <source>By extending the curves, we now know that they are all ELLIPSES!</source>
        <translation>¡Al prolongar las curvas, vemos que todas son ELIPSES!</translation>
    </message>
    <message>
        <source>All center lines intersect at the earth center</source>
        <translation>Todos los ejes se cortan en el centro de la Tierra</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lanzamiento a </translation>
    </message>
    <message>
        <source>The </source>
        <translation>La curva de </translation>
    </message>
    <message>
        <source>° curve extended</source>
        <translation>° prolongada</translation>
    </message>
    <message>
        <source>They are all ellipses</source>
        <translation>Todas son elipses</translation>
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
        <translation>Redibujar</translation>
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
        <translation>Centro de la Tierra</translation>
    </message>
    <message>
        <source>An ellipse has two focuses.</source>
        <translation>Una elipse tiene dos focos.</translation>
    </message>
    <message>
        <source>In this case, one of its focus, that is f1, overlaps with the earth center.</source>
        <translation>Aquí uno de sus focos, f1, coincide con el centro de la Tierra.</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TIERRA</translation>
    </message>
    <message>
        <source>This kind of calculation is sometimes used for Intercontinental Ballistic Missiles (ICBM)! Missile-defence programmes that aim to stop such a missile in flight rely on the same calculation.</source>
        <translation>¡Este tipo de cálculo se usa a veces para los misiles balísticos intercontinentales (ICBM)! Los programas de defensa antimisiles que buscan detener uno de esos misiles en vuelo se basan en el mismo cálculo.</translation>
    </message>
    <message>
        <source>Ellipse&apos; Equation:</source>
        <translation>Ecuación de la elipse:</translation>
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
        <translation>Trazado de la elipse</translation>
    </message>
    <message>
        <source>The ellipse&apos;s equations</source>
        <translation>Las ecuaciones de la elipse</translation>
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
        <translation>Velocidad inicial</translation>
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
        <translation>¡ESPERA!</translation>
    </message>
    <message>
        <source>6370 km</source>
        <translation>6370 km</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km sobre la superficie terrestre</translation>
    </message>
    <message>
        <source>Let&apos;s extend the disconnected curves</source>
        <translation>Prolonguemos las curvas interrumpidas</translation>
    </message>
    <message>
        <source>Now, what happens if the initial velocity is according to the following equation:</source>
        <translation>Ahora bien, ¿qué ocurre si la velocidad inicial cumple la siguiente ecuación?</translation>
    </message>
    <message>
        <source>mv  /r = GMm/r</source>
        <translation>mv  /r = GMm/r</translation>
    </message>
    <message>
        <source>The object moves around a circle!</source>
        <translation>¡El cuerpo describe una circunferencia!</translation>
    </message>
    <message>
        <source>A circle is a special case of ellipse. It is an ellipse whose focuses join into a single point, which is the center of circle!</source>
        <translation>La circunferencia es un caso especial de elipse: una elipse cuyos focos se unen en un solo punto, ¡el centro de la circunferencia!</translation>
    </message>
    <message>
        <source>a = b</source>
        <translation>a = b</translation>
    </message>
    <message>
        <source>The </source>
        <translation>La curva de </translation>
    </message>
    <message>
        <source> m/s curve extended</source>
        <translation> m/s prolongada</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lanzamiento a </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circle</source>
        <translation>La velocidad para un círculo</translation>
    </message>
    <message>
        <source>Circular orbits</source>
        <translation>Órbitas circulares</translation>
    </message>
    <message>
        <source>A circle is a special ellipse</source>
        <translation>Un círculo es una elipse especial</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r²</source>
        <translation>m × v² / r = G × M × m / r²</translation>
    </message>
    <message>
        <source>Launch at this initial velocity</source>
        <translation>Lanzar con esta velocidad inicial</translation>
    </message>
</context>
<context>
    <name>Lesson9</name>
    <message>
        <source>Let us have the simulation.</source>
        <translation>Veamos la simulación.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELOJ</translation>
    </message>
    <message>
        <source>it travels in a circular orbit. Also, in such condition, exerting forces are balanced and therefore resultant force inside the space station becomes zero. No weight can be measured inside it.</source>
        <translation>se mueve en una órbita circular. Además, en esa situación las fuerzas que actúan se equilibran, por lo que la fuerza resultante dentro de la estación espacial es nula. Dentro no puede medirse ningún peso.</translation>
    </message>
    <message>
        <source>mv   /r = GMm/r    or v = 7837 m/s</source>
        <translation>mv   /r = GMm/r    o v = 7837 m/s</translation>
    </message>
    <message>
        <source>Its rocket engine drives it into certain velocity that enables it move around the earth in an orbit. When its velocity fulfills the equation:</source>
        <translation>Su motor cohete la lleva a una velocidad que le permite moverse alrededor de la Tierra en órbita. Cuando su velocidad cumple la ecuación:</translation>
    </message>
    <message>
        <source>We now know that the space station orbits the earth for 87 minutes. Therefore astronouts inside it will see sunrise every 87 minutes!!</source>
        <translation>Ahora sabemos que la estación espacial da una vuelta a la Tierra en 87 minutos. ¡¡Por eso sus astronautas ven amanecer cada 87 minutos!!</translation>
    </message>
    <message>
        <source>Space shuttles or space stations travel in a height where air does not exist, so there is no air friction. The typical height is around 100 km above the sea.</source>
        <translation>Los transbordadores y las estaciones espaciales viajan a una altura donde no hay aire, así que no hay rozamiento con el aire. La altura típica es de unos 100 km sobre el nivel del mar.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lanzamiento</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r² or v = 7837 m/s</source>
        <translation>m × v² / r = G × M × m / r² o v = 7837 m/s</translation>
    </message>
</context>
<context>
    <name>Lessons menu</name>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lecciones</translation>
    </message>
</context>
<context>
    <name>Message box</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Mirror</name>
    <message>
        <source>-----&lt;O Light</source>
        <translation>-----&lt;O Luz</translation>
    </message>
    <message>
        <source>Command1</source>
        <translation>Command1</translation>
    </message>
    <message>
        <source>Rays from light source </source>
        <translation>Rayos de la fuente de luz </translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul claro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde claro</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>cian claro</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>rojo claro</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>Light source </source>
        <translation>Fuente de luz </translation>
    </message>
    <message>
        <source> of 12, </source>
        <translation> de 12, </translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Previous Lesson</source>
        <translation>Lección anterior</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Lección siguiente</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Velocidad normal</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Fotograma siguiente</translation>
    </message>
    <message>
        <source>Continue after Messages</source>
        <translation>Continuar tras los mensajes</translation>
    </message>
    <message>
        <source>Projector Colours</source>
        <translation>Colores de proyector</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>No mail program could be started. Please write to: </source>
        <translation>No se pudo abrir ningún programa de correo. Escribe a: </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>&amp;Navigation</source>
        <translation>&amp;Navegación</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back 10 s</source>
        <translation>Atrás 10 s</translation>
    </message>
    <message>
        <source>Forward 10 s</source>
        <translation>Adelante 10 s</translation>
    </message>
    <message>
        <source>Previous Stage</source>
        <translation>Etapa anterior</translation>
    </message>
    <message>
        <source>Next Stage</source>
        <translation>Etapa siguiente</translation>
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
        <translation>no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>No se pudo guardar la imagen como %1: %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
</context>
<context>
    <name>Utama</name>
    <message>
        <source>MAIN MENU</source>
        <translation>MENÚ PRINCIPAL</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About this program</source>
        <translation>Acerca de este programa</translation>
    </message>
    <message>
        <source>E-mail: author@example.org</source>
        <translation>Correo: author@example.org</translation>
    </message>
    <message>
        <source>Orbelune Learning, Bandung, Indonesia</source>
        <translation>Orbelune Learning, Bandung, Indonesia</translation>
    </message>
    <message>
        <source>   Physics courseware written by Dr. Ir. Rina Halim, M.Sc.</source>
        <translation>   Material didáctico de física escrito por Dr. Ir. Rina Halim, M.Sc.</translation>
    </message>
</context>
<context>
    <name>optics1</name>
    <message>
        <source>CENTER LINE</source>
        <translation>EJE PRINCIPAL</translation>
    </message>
    <message>
        <source>REFLECTION AT CIRCULAR MIRROR</source>
        <translation>REFLEXIÓN EN UN ESPEJO ESFÉRICO</translation>
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
        <translation>Cuanto más se acerca el rayo incidente al eje principal, más se acerca el rayo reflejado a pasar por un punto común, R/2: el foco del espejo cóncavo.</translation>
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
        <translation>Por eso la forma parabólica se usa a menudo en antenas de alto rendimiento. ¿Has visto antenas parabólicas en tu barrio?</translation>
    </message>
    <message>
        <source>Equation of Parabola</source>
        <translation>Ecuación de la parábola</translation>
    </message>
    <message>
        <source>x = a y</source>
        <translation>x = a y</translation>
    </message>
    <message>
        <source>CENTER LINE</source>
        <translation>EJE PRINCIPAL</translation>
    </message>
    <message>
        <source>REFLECTION AT PARABOLIC MIRROR</source>
        <translation>REFLEXIÓN EN UN ESPEJO PARABÓLICO</translation>
    </message>
    <message>
        <source>Different form circular mirror, a parabolic mirror reflects incoming ray into a focus, regardless of the relative position of the ray from the center line.</source>
        <translation>A diferencia del espejo cóncavo esférico, un espejo parabólico refleja los rayos incidentes hacia un foco, sea cual sea la posición del rayo respecto al eje principal.</translation>
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
        <translation>Redibujar</translation>
    </message>
    <message>
        <source>Note: this is only a sample of parabola antenna</source>
        <translation>Nota: esto es solo un ejemplo de antena parabólica</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>receptor</translation>
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
