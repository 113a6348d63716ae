<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Browser</name>
    <message>
        <source>Click to start</source>
        <translation>Cliquez pour commencer</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>The lessons could not start here: </source>
        <translation>Les leçons n&apos;ont pas pu démarrer ici&#xa0;: </translation>
    </message>
    <message>
        <source>They need a browser with WebAssembly, and the page opened from a web server (http://), not from a file.</source>
        <translation>Elles ont besoin d&apos;un navigateur avec WebAssembly et d&apos;une page ouverte depuis un serveur web (http://), pas depuis un fichier.</translation>
    </message>
    <message>
        <source>Orbelune has ended.</source>
        <translation>Orbelune est terminé.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Full screen is not available here</source>
        <translation>Le plein écran n&apos;est pas disponible ici</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée&#xa0;: </translation>
    </message>
    <message>
        <source>The picture could not be copied: this browser gives the page no clipboard here.</source>
        <translation>L&apos;image n&apos;a pas pu être copiée&#xa0;: ce navigateur ne donne pas accès au presse-papiers à cette page.</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Image copiée</translation>
    </message>
    <message>
        <source>The picture could not be copied: </source>
        <translation>L&apos;image n&apos;a pas pu être copiée&#xa0;: </translation>
    </message>
    <message>
        <source>No lesson is called &quot;</source>
        <translation>Aucune leçon ne s&apos;appelle «&#xa0;</translation>
    </message>
    <message>
        <source>&quot;: here is the main menu.</source>
        <translation>&#xa0;»&#xa0;: voici le menu principal.</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue : &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Physics courseware: a gravity course of twelve lessons and an optics course of three, which play themselves.</source>
        <translation>Didacticiel de physique&#xa0;: un cours de gravitation en douze leçons et un cours d&apos;optique en trois, qui se déroulent d&apos;eux-mêmes.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Start on this page instead of the main menu: a lesson&apos;s name (Lesson9, optics1) or its window title. An unknown name lists the pages.</source>
        <translation>Commencer par cette page au lieu du menu principal&#xa0;: le nom d&apos;une leçon (Lesson9, optics1) ou le titre de sa fenêtre. Un nom inconnu affiche la liste des pages.</translation>
    </message>
    <message>
        <source>Show the pages full screen, without the window frame and the desktop&apos;s panels.</source>
        <translation>Afficher les pages en plein écran, sans cadre de fenêtre ni panneaux du bureau.</translation>
    </message>
    <message>
        <source>Draw in projector colours: a white page and every colour dark enough to read on a projector (the View menu&apos;s Projector Colours).</source>
        <translation>Dessiner avec les couleurs pour projecteur&#xa0;: une page blanche et des couleurs assez foncées pour être lues au projecteur (Couleurs pour projecteur du menu Affichage).</translation>
    </message>
    <message>
        <source>Show every text in this language: id, de, es, fr, pt_BR or en (by default the system&apos;s language, or the one the Language menu chose last).</source>
        <translation>Affiche tous les textes dans cette langue : id, de, es, fr, pt_BR ou en (par défaut la langue du système, ou la dernière choisie dans le menu Langue).</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no page is called &apos;%1&apos;; the pages are:</source>
        <translation>aucune page ne s&apos;appelle &apos;%1&apos; ; les pages sont :</translation>
    </message>
    <message>
        <source>no language is called &apos;%1&apos;; the languages are: %2</source>
        <translation>aucune langue ne s&apos;appelle &apos;%1&apos; ; les langues sont : %2</translation>
    </message>
    <message>
        <source>no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>aucun écran où ouvrir une fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</translation>
    </message>
    <message>
        <source>the window system could not be started</source>
        <translation>le système de fenêtrage n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>impossible d&apos;ouvrir une fenêtre : %1</translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>Lesson 1: Law of Gravity</source>
        <translation>Leçon 1&#xa0;: La loi de la gravitation</translation>
    </message>
    <message>
        <source>Lesson 2: Attraction Force</source>
        <translation>Leçon 2&#xa0;: La force d&apos;attraction</translation>
    </message>
    <message>
        <source>Lesson 3: Earth&apos;s Gravitational Acceleration</source>
        <translation>Leçon 3&#xa0;: L&apos;accélération de la pesanteur</translation>
    </message>
    <message>
        <source>Lesson 4: How &apos;heavy&apos; are earth and sun?</source>
        <translation>Leçon 4&#xa0;: La Terre et le Soleil sont-ils «&#xa0;lourds&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Lesson 5: Gravity on Earth and Moon</source>
        <translation>Leçon 5&#xa0;: La gravité sur la Terre et sur la Lune</translation>
    </message>
    <message>
        <source>Lesson 6: Gravity on Earth (Large Scale)</source>
        <translation>Leçon 6&#xa0;: La gravité terrestre (à grande échelle)</translation>
    </message>
    <message>
        <source>Lesson 7: More Explanation on Elliptical Curve</source>
        <translation>Leçon 7&#xa0;: Plus sur la trajectoire elliptique</translation>
    </message>
    <message>
        <source>Lesson 8: Trajectory of Object around Gravity</source>
        <translation>Leçon 8&#xa0;: Trajectoires d&apos;un corps soumis à la gravité</translation>
    </message>
    <message>
        <source>Lesson 9: Space Station and Space Shuttle</source>
        <translation>Leçon 9&#xa0;: Station spatiale et navette spatiale</translation>
    </message>
    <message>
        <source>Lesson 10: Satellites</source>
        <translation>Leçon 10&#xa0;: Les satellites</translation>
    </message>
    <message>
        <source>Lesson 11: Moon&apos;s Orbit</source>
        <translation>Leçon 11&#xa0;: L&apos;orbite de la Lune</translation>
    </message>
    <message>
        <source>Lesson 12: Hyperbolic Trajectory</source>
        <translation>Leçon 12&#xa0;: La trajectoire hyperbolique</translation>
    </message>
    <message>
        <source>Reflection at Circular Mirror</source>
        <translation>Réflexion sur un miroir sphérique</translation>
    </message>
    <message>
        <source>Reflection at Parabolic Mirror</source>
        <translation>Réflexion sur un miroir parabolique</translation>
    </message>
    <message>
        <source>3D Image of Parabola Antenna</source>
        <translation>Image 3D d&apos;une antenne parabolique</translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Optics</source>
        <translation>Optique</translation>
    </message>
</context>
<context>
    <name>Language menu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>Lesson1</name>
    <message>
        <source>Both have similar forms!</source>
        <translation>Les deux se ressemblent&#xa0;!</translation>
    </message>
    <message>
        <source>... a constant </source>
        <translation>... une constante </translation>
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
        <translation>... est la constante de gravitation</translation>
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
        <translation>Comparaison à la force électrique</translation>
    </message>
    <message>
        <source>GRAVITATIONAL FORCE</source>
        <translation>FORCE GRAVITATIONNELLE</translation>
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
        <translation>Attente</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>HORLOGE</translation>
    </message>
    <message>
        <source>where R is the position of the satellite in relative to the earth center; T is the rotational period of the earth, that is 24 hours; G is universal gravity constant and M is the mass of the earth.</source>
        <translation>où R est la distance du satellite au centre de la Terre, T la période de rotation de la Terre, soit 24 heures, G la constante de gravitation et M la masse de la Terre.</translation>
    </message>
    <message>
        <source>Now let us take a look at non-stationary satellite.</source>
        <translation>Voyons un satellite non géostationnaire.</translation>
    </message>
    <message>
        <source>There are two kinds of satellite; non-geostationary and geostationary. A geostationary satellite looks like unmoving according to an observer on the earth. The position of its orbit can be determined using the following equation:</source>
        <translation>Il existe deux sortes de satellites&#xa0;: non géostationnaires et géostationnaires. Un satellite géostationnaire paraît immobile pour un observateur sur la Terre. La position de son orbite se calcule avec l&apos;équation suivante&#xa0;:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> hours passed</source>
        <translation> heures écoulées</translation>
    </message>
    <message>
        <source>A geostationary satellite</source>
        <translation>Un satellite géostationnaire</translation>
    </message>
    <message>
        <source>The geostationary orbit traced</source>
        <translation>L&apos;orbite géostationnaire tracée</translation>
    </message>
    <message>
        <source>The lower orbit traced</source>
        <translation>L&apos;orbite plus basse tracée</translation>
    </message>
    <message>
        <source>A satellite that is not stationary</source>
        <translation>Un satellite non stationnaire</translation>
    </message>
    <message>
        <source>A satellite on a lower orbit</source>
        <translation>Un satellite sur une orbite plus basse</translation>
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
        <translation>Phase de la Lune</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>HORLOGE</translation>
    </message>
    <message>
        <source>The violet curve is the present orbit of the moon. And the green one is the orbit if the distance is half of present distance.</source>
        <translation>La courbe violette est l&apos;orbite actuelle de la Lune, la verte celle qu&apos;elle aurait à une distance deux fois plus petite.</translation>
    </message>
    <message>
        <source>The moon would travel faster if its position was half of the present position.</source>
        <translation>À mi-distance, la Lune irait plus vite.</translation>
    </message>
    <message>
        <source>Have you ever imagined what would happen if the moon&apos;s orbit was half of now&apos;s? The most serious consequence is that the moon&apos;s period would change; &apos;One lunar month&apos; would become shorter than it is now. Let us examine how it happens here. Again the equation that rules this is:</source>
        <translation>Avez-vous déjà imaginé ce qui se passerait si l&apos;orbite de la Lune était deux fois plus petite&#xa0;? La conséquence la plus importante est que sa période changerait&#xa0;: le «&#xa0;mois lunaire&#xa0;» serait plus court. Voyons comment. L&apos;équation qui régit ce mouvement est encore&#xa0;:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> days passed</source>
        <translation> jours écoulés</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit</source>
        <translation>L&apos;orbite de la Lune</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit traced</source>
        <translation>L&apos;orbite de la Lune tracée</translation>
    </message>
    <message>
        <source>The orbit at half the distance traced</source>
        <translation>L&apos;orbite à mi-distance tracée</translation>
    </message>
    <message>
        <source>The moon at half the distance</source>
        <translation>La Lune à mi-distance</translation>
    </message>
    <message>
        <source>Flight at half the distance</source>
        <translation>Vol à mi-distance</translation>
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
        <translation> m/s ... cercle</translation>
    </message>
    <message>
        <source>V init = 1.34 * V circle = </source>
        <translation>V init = 1,34 * V circle = </translation>
    </message>
    <message>
        <source> m/s ... elliptical</source>
        <translation> m/s ... ellipse</translation>
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
        <translation> m/s ... HYPERBOLE</translation>
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
        <translation>Ce type de calcul est utile pour envoyer un engin vers d&apos;autres planètes, comme la sonde Galileo vers Jupiter.</translation>
    </message>
    <message>
        <source>In other words, when V init surpasses 1.414 * V circle, the object will not return. It is liberated from the gravitational force ... so, 1.414 * V circle is the velocity of no return!</source>
        <translation>Autrement dit, si V init dépasse 1,414 * V circle, le corps ne revient pas. Il échappe à la force gravitationnelle ... 1,414 * V circle est donc la vitesse de non-retour&#xa0;!</translation>
    </message>
    <message>
        <source>We see here, as V init  surpasses 1.414 * V circle, the trajectory becomes hyperbolic</source>
        <translation>On voit que, dès que V init dépasse 1,414 * V circle, la trajectoire devient hyperbolique</translation>
    </message>
    <message>
        <source>   V init =    2  * V circle = 1.414 * V circle</source>
        <translation>   V init =    2  * V circle = 1,414 * V circle</translation>
    </message>
    <message>
        <source>The border between elliptical and hyperbolic orbits is </source>
        <translation>La limite entre orbites elliptiques et hyperboliques est </translation>
    </message>
    <message>
        <source>When the initial velocity of an object moving under gravity surpasses a certain value, its trajectory is no more elliptical, but becomes hyperbolic!</source>
        <translation>Quand la vitesse initiale d&apos;un corps soumis à la gravité dépasse une certaine valeur, sa trajectoire n&apos;est plus elliptique mais hyperbolique&#xa0;!</translation>
    </message>
    <message>
        <source>  m * V circle / r     = G*M*m ./ r</source>
        <translation>  m * V circle / r     = G*M*m ./ r</translation>
    </message>
    <message>
        <source>Note: V circle is V init that results in circular orbit; it matches the following equation:</source>
        <translation>Remarque&#xa0;: V circle est la V init qui donne une orbite circulaire&#xa0;; elle vérifie l&apos;équation&#xa0;:</translation>
    </message>
    <message>
        <source>Downscaling the Earth</source>
        <translation>Réduction de la Terre</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km au-dessus du sol</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Initial Velocity</source>
        <translation>Vitesse initiale</translation>
    </message>
    <message>
        <source> km high from earth surface</source>
        <translation> km au-dessus du sol</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lancement à </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circular orbit</source>
        <translation>La vitesse d&apos;une orbite circulaire</translation>
    </message>
    <message>
        <source>The velocity of no return</source>
        <translation>La vitesse de libération</translation>
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
        <translation>Lancer à cette vitesse initiale</translation>
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
        <translation>L&apos;accélération de la pesanteur à la surface de la Terre, que l&apos;on note           , vaut env. 9,8 m/s .</translation>
    </message>
    <message>
        <source>As M becomes much greater than m, as we see above, m looks like &apos;falling&apos; toward M. This is also true for a stone falling toward the earth. In this case, M is said having &apos;gravitational acceleration&apos;; it means that an object (m) will accelerate due to M&apos;s gravity.</source>
        <translation>Quand M devient beaucoup plus grand que m, comme on le voit ci-dessus, m semble «&#xa0;tomber&#xa0;» vers M. C&apos;est aussi le cas d&apos;une pierre qui tombe vers la Terre. On dit alors que M crée une «&#xa0;accélération de la pesanteur&#xa0;»&#xa0;: un corps (m) est accéléré par la gravité de M.</translation>
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
        <translation>Rapport des masses (M et m)</translation>
    </message>
    <message>
        <source>Simulation of Attraction Force between two masses which are at rest at initial time</source>
        <translation>Simulation de la force d&apos;attraction entre deux masses initialement au repos</translation>
    </message>
    <message>
        <source>Mass ratio </source>
        <translation>Rapport des masses </translation>
    </message>
    <message>
        <source>The two masses attract each other</source>
        <translation>Les deux masses s&apos;attirent</translation>
    </message>
    <message>
        <source>The gravitational acceleration on the earth&apos;s surface, usually denoted as g, is about 9.8 m/s².</source>
        <translation>L&apos;accélération de la pesanteur à la surface de la Terre, que l&apos;on note g, vaut env. 9,8 m/s².</translation>
    </message>
    <message>
        <source>Ratio of masses M/m</source>
        <translation>Rapport des masses M/m</translation>
    </message>
    <message>
        <source>Let the first pair of masses attract</source>
        <translation>Laisser la première paire de masses s&apos;attirer</translation>
    </message>
    <message>
        <source>Let the second pair of masses attract</source>
        <translation>Laisser la deuxième paire de masses s&apos;attirer</translation>
    </message>
    <message>
        <source>Let the third pair of masses attract</source>
        <translation>Laisser la troisième paire de masses s&apos;attirer</translation>
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
        <translation>Attente</translation>
    </message>
    <message>
        <source>Throwing an object from Pisa Tower, an inclining tower in Italy, Galileo Galilei did his experiment of gravity there.</source>
        <translation>Galilée a étudié la pesanteur en lâchant des objets du haut de la tour penchée de Pise, en Italie.</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>HORLOGE</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRE</translation>
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
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>The ball falls</source>
        <translation>La balle tombe</translation>
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
        <translation>T = 365,25 x 24 x 3600  secondes  ... révolution de la Terre = 1 an</translation>
    </message>
    <message>
        <source>Sun is 330,000 times &apos;heavier&apos; than the earth</source>
        <translation>Soleil&#xa0;: 330&#xa0;000 fois plus «&#xa0;lourd&#xa0;» que la Terre</translation>
    </message>
    <message>
        <source>=&gt;  M = 2 x 10       kg</source>
        <translation>=&gt;  M = 2 x 10       kg</translation>
    </message>
    <message>
        <source>R = 1.5 x 10        m  ... distance between earth and sun</source>
        <translation>R = 1,5 x 10        m  ... distance Terre–Soleil</translation>
    </message>
    <message>
        <source>G = 6.6 x 10         Nm     /kg      ... gravity constant</source>
        <translation>G = 6,6 x 10         Nm     /kg      ... constante de gravitation</translation>
    </message>
    <message>
        <source>The mass of the sun M can be calculated using the following values:</source>
        <translation>On peut calculer la masse M du Soleil à partir des valeurs suivantes&#xa0;:</translation>
    </message>
    <message>
        <source>M = 4           R    /GT</source>
        <translation>M = 4           R    /GT</translation>
    </message>
    <message>
        <source>Substituting v with 2    R/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Remplaçons v par 2    R/T, où R est la distance Terre–Soleil et T la période de révolution de la Terre (=1 an), dans l&apos;équation (1), puis combinons-la avec l&apos;équation (2)&#xa0;; on obtient&#xa0;:</translation>
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
        <translation>F = GMm/R            (2) ... force gravitationnelle</translation>
    </message>
    <message>
        <source>F = mv   /R             (1) ... centrifugal force</source>
        <translation>F = mv   /R             (1) ... force centrifuge</translation>
    </message>
    <message>
        <source>MASS OF SUN </source>
        <translation>MASSE SOLAIRE </translation>
    </message>
    <message>
        <source>=&gt;  M = 6 x 10       kg</source>
        <translation>=&gt;  M = 6 x 10       kg</translation>
    </message>
    <message>
        <source>R = 6.3 x 10        m  ... radius of earth</source>
        <translation>R = 6,3 x 10        m  ... rayon de la Terre</translation>
    </message>
    <message>
        <source>g = 9.8 m/s    ... earth&apos;s gravitational acceleration</source>
        <translation>g = 9,8 m/s    ... accélération de la pesanteur</translation>
    </message>
    <message>
        <source>The mass of the earth M can be calculated using the following values:</source>
        <translation>On peut calculer la masse M de la Terre à partir des valeurs suivantes&#xa0;:</translation>
    </message>
    <message>
        <source>g = GM/R       (3)</source>
        <translation>g = GM/R       (3)</translation>
    </message>
    <message>
        <source>From equations (1) and (2), we obtain:</source>
        <translation>Des équations (1) et (2), on tire&#xa0;:</translation>
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
        <translation>MASSE TERRESTRE</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOLEIL</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRE</translation>
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
        <translation>g = 9,8 m/s² ... accélération de la pesanteur</translation>
    </message>
    <message>
        <source>G = 6.6 × 10⁻¹¹ N m² / kg² ... gravity constant</source>
        <translation>G = 6,6 × 10⁻¹¹ N m² / kg² ... constante de gravitation</translation>
    </message>
    <message>
        <source>R = 6.3 × 10⁶ m ... radius of earth</source>
        <translation>R = 6,3 × 10⁶ m ... rayon de la Terre</translation>
    </message>
    <message>
        <source>=&gt; M = 6 × 10²⁴ kg</source>
        <translation>=&gt; M = 6 × 10²⁴ kg</translation>
    </message>
    <message>
        <source>F = m × v² / R (1) ... centrifugal force</source>
        <translation>F = m × v² / R (1) ... force centrifuge</translation>
    </message>
    <message>
        <source>F = G × M × m / R² (2) ... gravitational force</source>
        <translation>F = G × M × m / R² (2) ... force gravitationnelle</translation>
    </message>
    <message>
        <source>Substituting v with 2πR/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Remplaçons v par 2πR/T, où R est la distance Terre–Soleil et T la période de révolution de la Terre (=1 an), dans l&apos;équation (1), puis combinons-la avec l&apos;équation (2)&#xa0;; on obtient&#xa0;:</translation>
    </message>
    <message>
        <source>M = 4π² × R³ / (G × T²)</source>
        <translation>M = 4π² × R³ / (G × T²)</translation>
    </message>
    <message>
        <source>R = 1.5 × 10¹¹ m ... distance between earth and sun</source>
        <translation>R = 1,5 × 10¹¹ m ... distance Terre–Soleil</translation>
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
        <translation>Attente</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 degrés</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 degrés</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 degrés</translation>
    </message>
    <message>
        <source>The stone travels in a PARABOLIC curve</source>
        <translation>La pierre décrit une PARABOLE</translation>
    </message>
    <message>
        <source>Equation of Curve:</source>
        <translation>Équation de la courbe&#xa0;:</translation>
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
        <translation>LANCER DE PIERRE SUR LA TERRE ET LA LUNE</translation>
    </message>
    <message>
        <source>On the moon, stone flies higher and farther and takes more time than on the earth, because the moon&apos;s gravity is weaker than the earth&apos;s gravity. The ratio is about 1:6.</source>
        <translation>Sur la Lune, la pierre va plus haut, plus loin et vole plus longtemps que sur la Terre, car la gravité lunaire est plus faible que la gravité terrestre. Le rapport est d&apos;environ 1:6.</translation>
    </message>
    <message>
        <source>Now imagine, how large a field needed to play football on the moon!</source>
        <translation>Imaginez la taille d&apos;un terrain de football sur la Lune&#xa0;!</translation>
    </message>
    <message>
        <source>On earth</source>
        <translation>Sur la Terre</translation>
    </message>
    <message>
        <source>On moon</source>
        <translation>Sur la Lune</translation>
    </message>
    <message>
        <source>Throw at 30°</source>
        <translation>Lancer à 30°</translation>
    </message>
    <message>
        <source>Throw at 45°</source>
        <translation>Lancer à 45°</translation>
    </message>
    <message>
        <source>Throw at 60°</source>
        <translation>Lancer à 60°</translation>
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
        <translation>Attente</translation>
    </message>
    <message>
        <source>R = 6.3 x 10      m</source>
        <translation>R = 6,3 x 10      m</translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation>Centre terrestre</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRE</translation>
    </message>
    <message>
        <source>Launching object with</source>
        <translation>Lancer d&apos;un corps avec</translation>
    </message>
    <message>
        <source>Initial Velocity = 9000 m/s</source>
        <translation>Vitesse initiale = 9000 m/s</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 degrés</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 degrés</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 degrés</translation>
    </message>
    <message>
        <source>What kind of curves are these?</source>
        <translation>Quelles sont ces courbes&#xa0;?</translation>
    </message>
    <message>
        <source>Let&apos;s extend the curves</source>
        <translation>Prolongeons les courbes</translation>
    </message>
    <message>
        <source>By extending the curves, we now know that they are all ELLIPSES!</source>
        <translation>Prolongées, les courbes se révèlent toutes être des ELLIPSES&#xa0;!</translation>
    </message>
    <message>
        <source>All center lines intersect at the earth center</source>
        <translation>Tous les grands axes se coupent au centre de la Terre</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lancement à </translation>
    </message>
    <message>
        <source>The </source>
        <translation>La courbe de </translation>
    </message>
    <message>
        <source>° curve extended</source>
        <translation>° prolongée</translation>
    </message>
    <message>
        <source>They are all ellipses</source>
        <translation>Ce sont toutes des ellipses</translation>
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
        <translation>Redessiner</translation>
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
        <translation>Centre terrestre</translation>
    </message>
    <message>
        <source>An ellipse has two focuses.</source>
        <translation>Une ellipse a deux foyers.</translation>
    </message>
    <message>
        <source>In this case, one of its focus, that is f1, overlaps with the earth center.</source>
        <translation>Ici, l&apos;un de ses foyers, f1, est confondu avec le centre de la Terre.</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRE</translation>
    </message>
    <message>
        <source>This kind of calculation is sometimes used for Intercontinental Ballistic Missiles (ICBM)! Missile-defence programmes that aim to stop such a missile in flight rely on the same calculation.</source>
        <translation>Ce type de calcul sert parfois pour les missiles balistiques intercontinentaux (ICBM)&#xa0;! Les systèmes antimissiles, qui visent à intercepter un tel missile en vol, reposent sur le même calcul.</translation>
    </message>
    <message>
        <source>Ellipse&apos; Equation:</source>
        <translation>Équation de l&apos;ellipse</translation>
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
        <translation>Tracé de l&apos;ellipse</translation>
    </message>
    <message>
        <source>The ellipse&apos;s equations</source>
        <translation>Les équations de l&apos;ellipse</translation>
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
        <translation>Vitesse initiale</translation>
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
        <translation>Attente</translation>
    </message>
    <message>
        <source>6370 km</source>
        <translation>6370 km</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km au-dessus du sol</translation>
    </message>
    <message>
        <source>Let&apos;s extend the disconnected curves</source>
        <translation>Prolongeons les arcs de courbe</translation>
    </message>
    <message>
        <source>Now, what happens if the initial velocity is according to the following equation:</source>
        <translation>Que se passe-t-il si la vitesse initiale vérifie l&apos;équation suivante&#xa0;?</translation>
    </message>
    <message>
        <source>mv  /r = GMm/r</source>
        <translation>mv  /r = GMm/r</translation>
    </message>
    <message>
        <source>The object moves around a circle!</source>
        <translation>Le corps décrit un cercle&#xa0;!</translation>
    </message>
    <message>
        <source>A circle is a special case of ellipse. It is an ellipse whose focuses join into a single point, which is the center of circle!</source>
        <translation>Le cercle est un cas particulier d&apos;ellipse&#xa0;: ses deux foyers sont confondus en un seul point, le centre du cercle&#xa0;!</translation>
    </message>
    <message>
        <source>a = b</source>
        <translation>a = b</translation>
    </message>
    <message>
        <source>The </source>
        <translation>La courbe de </translation>
    </message>
    <message>
        <source> m/s curve extended</source>
        <translation> m/s prolongée</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lancement à </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circle</source>
        <translation>La vitesse pour un cercle</translation>
    </message>
    <message>
        <source>Circular orbits</source>
        <translation>Orbites circulaires</translation>
    </message>
    <message>
        <source>A circle is a special ellipse</source>
        <translation>Un cercle est une ellipse particulière</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r²</source>
        <translation>m × v² / r = G × M × m / r²</translation>
    </message>
    <message>
        <source>Launch at this initial velocity</source>
        <translation>Lancer à cette vitesse initiale</translation>
    </message>
</context>
<context>
    <name>Lesson9</name>
    <message>
        <source>Let us have the simulation.</source>
        <translation>Voyons la simulation.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>HORLOGE</translation>
    </message>
    <message>
        <source>it travels in a circular orbit. Also, in such condition, exerting forces are balanced and therefore resultant force inside the space station becomes zero. No weight can be measured inside it.</source>
        <translation>elle décrit une orbite circulaire. Dans ce cas, les forces qui s&apos;exercent se compensent, et la résultante des forces dans la station est nulle. On ne peut y mesurer aucun poids.</translation>
    </message>
    <message>
        <source>mv   /r = GMm/r    or v = 7837 m/s</source>
        <translation>mv   /r = GMm/r    ou v = 7837 m/s</translation>
    </message>
    <message>
        <source>Its rocket engine drives it into certain velocity that enables it move around the earth in an orbit. When its velocity fulfills the equation:</source>
        <translation>Son moteur-fusée lui donne la vitesse qui lui permet de tourner autour de la Terre sur une orbite. Quand sa vitesse vérifie l&apos;équation&#xa0;:</translation>
    </message>
    <message>
        <source>We now know that the space station orbits the earth for 87 minutes. Therefore astronouts inside it will see sunrise every 87 minutes!!</source>
        <translation>La station fait donc le tour de la Terre en 87 minutes. Les astronautes à bord voient ainsi le Soleil se lever toutes les 87 minutes&#xa0;!!</translation>
    </message>
    <message>
        <source>Space shuttles or space stations travel in a height where air does not exist, so there is no air friction. The typical height is around 100 km above the sea.</source>
        <translation>Les navettes et les stations spatiales volent à une altitude où il n&apos;y a plus d&apos;air, donc pas de frottement de l&apos;air. L&apos;altitude typique est d&apos;environ 100 km au-dessus de la mer.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancement</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r² or v = 7837 m/s</source>
        <translation>m × v² / r = G × M × m / r² ou v = 7837 m/s</translation>
    </message>
</context>
<context>
    <name>Lessons menu</name>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Leçons</translation>
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
        <translation>-----&lt;O Source</translation>
    </message>
    <message>
        <source>Command1</source>
        <translation>Command1</translation>
    </message>
    <message>
        <source>Rays from light source </source>
        <translation>Rayons de la source lumineuse </translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>cyan clair</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>rouge clair</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta clair</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Light source </source>
        <translation>Source lumineuse </translation>
    </message>
    <message>
        <source> of 12, </source>
        <translation> sur 12, </translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Previous Lesson</source>
        <translation>Leçon précédente</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Leçon suivante</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Continue after Messages</source>
        <translation>Continuer après les messages</translation>
    </message>
    <message>
        <source>Projector Colours</source>
        <translation>Couleurs pour projecteur</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>No mail program could be started. Please write to: </source>
        <translation>Aucun logiciel de messagerie n&apos;a pu être lancé. Écrivez à&#xa0;: </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rejouer</translation>
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
        <translation>Reculer de 10 s</translation>
    </message>
    <message>
        <source>Forward 10 s</source>
        <translation>Avancer de 10 s</translation>
    </message>
    <message>
        <source>Previous Stage</source>
        <translation>Étape précédente</translation>
    </message>
    <message>
        <source>Next Stage</source>
        <translation>Étape suivante</translation>
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
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
</context>
<context>
    <name>Utama</name>
    <message>
        <source>MAIN MENU</source>
        <translation>MENU PRINCIPAL</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About this program</source>
        <translation>À propos de ce programme</translation>
    </message>
    <message>
        <source>E-mail: author@example.org</source>
        <translation>Courriel&#xa0;: author@example.org</translation>
    </message>
    <message>
        <source>Orbelune Learning, Bandung, Indonesia</source>
        <translation>Orbelune Learning, Bandung, Indonésie</translation>
    </message>
    <message>
        <source>   Physics courseware written by Dr. Ir. Rina Halim, M.Sc.</source>
        <translation>   Didacticiel de physique écrit par Dr. Ir. Rina Halim, M.Sc.</translation>
    </message>
</context>
<context>
    <name>optics1</name>
    <message>
        <source>CENTER LINE</source>
        <translation>AXE OPTIQUE</translation>
    </message>
    <message>
        <source>REFLECTION AT CIRCULAR MIRROR</source>
        <translation>RÉFLEXION SUR UN MIROIR SPHÉRIQUE</translation>
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
        <translation>Plus le rayon lumineux est proche de l&apos;axe optique, plus le rayon réfléchi passe près du point commun situé à R/2&#xa0;: le foyer.</translation>
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
        <translation>C&apos;est pourquoi les antennes performantes ont souvent une forme parabolique. Avez-vous déjà vu des antennes paraboliques près de chez vous&#xa0;?</translation>
    </message>
    <message>
        <source>Equation of Parabola</source>
        <translation>Équation de la parabole</translation>
    </message>
    <message>
        <source>x = a y</source>
        <translation>x = a y</translation>
    </message>
    <message>
        <source>CENTER LINE</source>
        <translation>AXE OPTIQUE</translation>
    </message>
    <message>
        <source>REFLECTION AT PARABOLIC MIRROR</source>
        <translation>RÉFLEXION SUR UN MIROIR PARABOLIQUE</translation>
    </message>
    <message>
        <source>Different form circular mirror, a parabolic mirror reflects incoming ray into a focus, regardless of the relative position of the ray from the center line.</source>
        <translation>Contrairement au miroir sphérique, un miroir parabolique renvoie tout rayon incident vers un foyer, quelle que soit sa distance à l&apos;axe optique.</translation>
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
        <translation>Redessiner</translation>
    </message>
    <message>
        <source>Note: this is only a sample of parabola antenna</source>
        <translation>Remarque&#xa0;: ceci n&apos;est qu&apos;un exemple d&apos;antenne parabolique</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>récepteur</translation>
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
