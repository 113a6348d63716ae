<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Browser</name>
    <message>
        <source>Click to start</source>
        <translation>Clique para começar</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>The lessons could not start here: </source>
        <translation>Não foi possível iniciar as aulas aqui: </translation>
    </message>
    <message>
        <source>They need a browser with WebAssembly, and the page opened from a web server (http://), not from a file.</source>
        <translation>Elas precisam de um navegador com WebAssembly e da página aberta a partir de um servidor web (http://), não de um arquivo.</translation>
    </message>
    <message>
        <source>Orbelune has ended.</source>
        <translation>O Orbelune foi encerrado.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Começar de novo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Full screen is not available here</source>
        <translation>A tela cheia não está disponível aqui</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>não foi possível codificar a imagem</translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>Não foi possível salvar a imagem: </translation>
    </message>
    <message>
        <source>The picture could not be copied: this browser gives the page no clipboard here.</source>
        <translation>Não foi possível copiar a imagem: aqui este navegador não dá à página acesso à área de transferência.</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Imagem copiada</translation>
    </message>
    <message>
        <source>The picture could not be copied: </source>
        <translation>Não foi possível copiar a imagem: </translation>
    </message>
    <message>
        <source>No lesson is called &quot;</source>
        <translation>Nenhuma aula se chama &quot;</translation>
    </message>
    <message>
        <source>&quot;: here is the main menu.</source>
        <translation>&quot;: este é o menu principal.</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Physics courseware: a gravity course of twelve lessons and an optics course of three, which play themselves.</source>
        <translation>Material didático de física: um curso de gravitação com doze aulas e um de óptica com três, que se apresentam sozinhas.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostra esta ajuda e termina.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostra a versão e termina.</translation>
    </message>
    <message>
        <source>Start on this page instead of the main menu: a lesson&apos;s name (Lesson9, optics1) or its window title. An unknown name lists the pages.</source>
        <translation>Começa nesta página em vez do menu principal: o nome de uma aula (Lesson9, optics1) ou o título da sua janela. Um nome desconhecido lista as páginas.</translation>
    </message>
    <message>
        <source>Show the pages full screen, without the window frame and the desktop&apos;s panels.</source>
        <translation>Mostra as páginas em tela cheia, sem a moldura da janela e os painéis da área de trabalho.</translation>
    </message>
    <message>
        <source>Draw in projector colours: a white page and every colour dark enough to read on a projector (the View menu&apos;s Projector Colours).</source>
        <translation>Desenha com cores para projetor: página branca e cada cor escura o bastante para ser lida num projetor (Cores para projetor, no menu Exibir).</translation>
    </message>
    <message>
        <source>Show every text in this language: id, de, es, fr, pt_BR or en (by default the system&apos;s language, or the one the Language menu chose last).</source>
        <translation>Mostra todos os textos neste idioma: id, de, es, fr, pt_BR ou en (por padrão, o idioma do sistema ou o último escolhido no menu Idioma).</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Experimente &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no page is called &apos;%1&apos;; the pages are:</source>
        <translation>nenhuma página se chama &apos;%1&apos;; as páginas são:</translation>
    </message>
    <message>
        <source>no language is called &apos;%1&apos;; the languages are: %2</source>
        <translation>nenhum idioma se chama &apos;%1&apos;; os idiomas são: %2</translation>
    </message>
    <message>
        <source>no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>nenhuma tela onde abrir uma janela (nem DISPLAY nem WAYLAND_DISPLAY está definido)</translation>
    </message>
    <message>
        <source>the window system could not be started</source>
        <translation>não foi possível iniciar o sistema de janelas</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>não é possível abrir uma janela: %1</translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>Lesson 1: Law of Gravity</source>
        <translation>Aula 1: Lei da Gravitação</translation>
    </message>
    <message>
        <source>Lesson 2: Attraction Force</source>
        <translation>Aula 2: Força de Atração</translation>
    </message>
    <message>
        <source>Lesson 3: Earth&apos;s Gravitational Acceleration</source>
        <translation>Aula 3: Aceleração da Gravidade na Terra</translation>
    </message>
    <message>
        <source>Lesson 4: How &apos;heavy&apos; are earth and sun?</source>
        <translation>Aula 4: Quanto &apos;pesam&apos; a Terra e o Sol?</translation>
    </message>
    <message>
        <source>Lesson 5: Gravity on Earth and Moon</source>
        <translation>Aula 5: Gravidade na Terra e na Lua</translation>
    </message>
    <message>
        <source>Lesson 6: Gravity on Earth (Large Scale)</source>
        <translation>Aula 6: Gravidade na Terra (em Grande Escala)</translation>
    </message>
    <message>
        <source>Lesson 7: More Explanation on Elliptical Curve</source>
        <translation>Aula 7: Mais sobre a Curva Elíptica</translation>
    </message>
    <message>
        <source>Lesson 8: Trajectory of Object around Gravity</source>
        <translation>Aula 8: Trajetória de um Corpo sob a Gravidade</translation>
    </message>
    <message>
        <source>Lesson 9: Space Station and Space Shuttle</source>
        <translation>Aula 9: Estação Espacial e Ônibus Espacial</translation>
    </message>
    <message>
        <source>Lesson 10: Satellites</source>
        <translation>Aula 10: Satélites</translation>
    </message>
    <message>
        <source>Lesson 11: Moon&apos;s Orbit</source>
        <translation>Aula 11: Órbita da Lua</translation>
    </message>
    <message>
        <source>Lesson 12: Hyperbolic Trajectory</source>
        <translation>Aula 12: Trajetória Hiperbólica</translation>
    </message>
    <message>
        <source>Reflection at Circular Mirror</source>
        <translation>Reflexão em Espelho Esférico</translation>
    </message>
    <message>
        <source>Reflection at Parabolic Mirror</source>
        <translation>Reflexão em Espelho Parabólico</translation>
    </message>
    <message>
        <source>3D Image of Parabola Antenna</source>
        <translation>Imagem 3D de uma Antena Parabólica</translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation>Gravidade</translation>
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
        <translation>As duas têm formas parecidas!</translation>
    </message>
    <message>
        <source>... a constant </source>
        <translation>... uma constante </translation>
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
        <translation>... é a constante da gravitação universal</translation>
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
        <translation>Comparação com a força elétrica</translation>
    </message>
    <message>
        <source>GRAVITATIONAL FORCE</source>
        <translation>FORÇA GRAVITACIONAL</translation>
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
        <translation>ESPERE!</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELÓGIO</translation>
    </message>
    <message>
        <source>where R is the position of the satellite in relative to the earth center; T is the rotational period of the earth, that is 24 hours; G is universal gravity constant and M is the mass of the earth.</source>
        <translation>em que R é a distância do satélite ao centro da Terra; T é o período de rotação da Terra, ou seja, 24 horas; G é a constante da gravitação universal e M é a massa da Terra.</translation>
    </message>
    <message>
        <source>Now let us take a look at non-stationary satellite.</source>
        <translation>Agora vejamos um satélite não geoestacionário.</translation>
    </message>
    <message>
        <source>There are two kinds of satellite; non-geostationary and geostationary. A geostationary satellite looks like unmoving according to an observer on the earth. The position of its orbit can be determined using the following equation:</source>
        <translation>Há dois tipos de satélite: não geoestacionários e geoestacionários. Um satélite geoestacionário parece parado para um observador na Terra. A posição da sua órbita pode ser determinada pela seguinte equação:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> hours passed</source>
        <translation> horas se passaram</translation>
    </message>
    <message>
        <source>A geostationary satellite</source>
        <translation>Um satélite geoestacionário</translation>
    </message>
    <message>
        <source>The geostationary orbit traced</source>
        <translation>A órbita geoestacionária traçada</translation>
    </message>
    <message>
        <source>The lower orbit traced</source>
        <translation>A órbita mais baixa traçada</translation>
    </message>
    <message>
        <source>A satellite that is not stationary</source>
        <translation>Um satélite não estacionário</translation>
    </message>
    <message>
        <source>A satellite on a lower orbit</source>
        <translation>Um satélite em órbita mais baixa</translation>
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
        <translation>Fase da Lua</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>ESPERE!</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELÓGIO</translation>
    </message>
    <message>
        <source>The violet curve is the present orbit of the moon. And the green one is the orbit if the distance is half of present distance.</source>
        <translation>A curva violeta é a órbita atual da Lua. A verde é a órbita que ela teria se a distância fosse a metade da atual.</translation>
    </message>
    <message>
        <source>The moon would travel faster if its position was half of the present position.</source>
        <translation>A Lua andaria mais depressa se sua distância fosse a metade da atual.</translation>
    </message>
    <message>
        <source>Have you ever imagined what would happen if the moon&apos;s orbit was half of now&apos;s? The most serious consequence is that the moon&apos;s period would change; &apos;One lunar month&apos; would become shorter than it is now. Let us examine how it happens here. Again the equation that rules this is:</source>
        <translation>Você já imaginou o que aconteceria se a órbita da Lua fosse a metade da atual? A consequência mais séria é que o período da Lua mudaria: &apos;um mês lunar&apos; ficaria mais curto do que é hoje. Vamos ver aqui como isso acontece. De novo, a equação que rege isso é:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> days passed</source>
        <translation> dias se passaram</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit</source>
        <translation>A órbita da Lua</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit traced</source>
        <translation>A órbita da Lua traçada</translation>
    </message>
    <message>
        <source>The orbit at half the distance traced</source>
        <translation>A órbita à metade da distância traçada</translation>
    </message>
    <message>
        <source>The moon at half the distance</source>
        <translation>A Lua à metade da distância</translation>
    </message>
    <message>
        <source>Flight at half the distance</source>
        <translation>Voo à metade da distância</translation>
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
        <translation>Esse tipo de cálculo é útil quando queremos enviar um objeto a outros planetas, como a sonda Galileo em sua missão a Júpiter.</translation>
    </message>
    <message>
        <source>In other words, when V init surpasses 1.414 * V circle, the object will not return. It is liberated from the gravitational force ... so, 1.414 * V circle is the velocity of no return!</source>
        <translation>Ou seja, quando V init passa de 1,414 * V circle, o objeto não volta mais. Ele se liberta da força gravitacional... então 1,414 * V circle é a velocidade de escape, sem volta!</translation>
    </message>
    <message>
        <source>We see here, as V init  surpasses 1.414 * V circle, the trajectory becomes hyperbolic</source>
        <translation>Vemos aqui que, quando V init passa de 1,414 * V circle, a trajetória se torna hiperbólica</translation>
    </message>
    <message>
        <source>   V init =    2  * V circle = 1.414 * V circle</source>
        <translation>   V init =    2  * V circle = 1,414 * V circle</translation>
    </message>
    <message>
        <source>The border between elliptical and hyperbolic orbits is </source>
        <translation>O limite entre as órbitas elípticas e hiperbólicas é </translation>
    </message>
    <message>
        <source>When the initial velocity of an object moving under gravity surpasses a certain value, its trajectory is no more elliptical, but becomes hyperbolic!</source>
        <translation>Quando a velocidade inicial de um objeto que se move sob a gravidade passa de certo valor, sua trajetória deixa de ser elíptica e se torna hiperbólica!</translation>
    </message>
    <message>
        <source>  m * V circle / r     = G*M*m ./ r</source>
        <translation>  m * V circle / r     = G*M*m ./ r</translation>
    </message>
    <message>
        <source>Note: V circle is V init that results in circular orbit; it matches the following equation:</source>
        <translation>Nota: V circle é a V init que produz uma órbita circular; ela satisfaz a seguinte equação:</translation>
    </message>
    <message>
        <source>Downscaling the Earth</source>
        <translation>A Terra em escala menor</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km acima da superfície da Terra</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>ESPERE!</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Initial Velocity</source>
        <translation>Vel. inicial</translation>
    </message>
    <message>
        <source> km high from earth surface</source>
        <translation> km acima da superfície da Terra</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lançamento a </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circular orbit</source>
        <translation>A velocidade para uma órbita circular</translation>
    </message>
    <message>
        <source>The velocity of no return</source>
        <translation>A velocidade de escape</translation>
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
        <translation>Lançar com esta velocidade inicial</translation>
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
        <translation>A aceleração da gravidade na superfície da Terra, representada por         , vale uns 9,8 m/s .</translation>
    </message>
    <message>
        <source>As M becomes much greater than m, as we see above, m looks like &apos;falling&apos; toward M. This is also true for a stone falling toward the earth. In this case, M is said having &apos;gravitational acceleration&apos;; it means that an object (m) will accelerate due to M&apos;s gravity.</source>
        <translation>Quando M fica muito maior que m, como vemos acima, m parece &apos;cair&apos; em direção a M. O mesmo vale para uma pedra caindo em direção à Terra. Nesse caso, diz-se que M tem &apos;aceleração da gravidade&apos;: um corpo (m) é acelerado pela gravidade de M.</translation>
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
        <translation>Razão entre as massas (M e m)</translation>
    </message>
    <message>
        <source>Simulation of Attraction Force between two masses which are at rest at initial time</source>
        <translation>Simulação da força de atração entre duas massas inicialmente em repouso</translation>
    </message>
    <message>
        <source>Mass ratio </source>
        <translation>Razão das massas </translation>
    </message>
    <message>
        <source>The two masses attract each other</source>
        <translation>As duas massas se atraem</translation>
    </message>
    <message>
        <source>The gravitational acceleration on the earth&apos;s surface, usually denoted as g, is about 9.8 m/s².</source>
        <translation>A aceleração da gravidade na superfície da Terra, representada por g, vale uns 9,8 m/s².</translation>
    </message>
    <message>
        <source>Ratio of masses M/m</source>
        <translation>Razão entre as massas M/m</translation>
    </message>
    <message>
        <source>Let the first pair of masses attract</source>
        <translation>Deixar o primeiro par de massas se atrair</translation>
    </message>
    <message>
        <source>Let the second pair of masses attract</source>
        <translation>Deixar o segundo par de massas se atrair</translation>
    </message>
    <message>
        <source>Let the third pair of masses attract</source>
        <translation>Deixar o terceiro par de massas se atrair</translation>
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
        <translation>ESPERE!</translation>
    </message>
    <message>
        <source>Throwing an object from Pisa Tower, an inclining tower in Italy, Galileo Galilei did his experiment of gravity there.</source>
        <translation>Galileu Galilei fez seu experimento sobre a gravidade soltando objetos da Torre de Pisa, uma torre inclinada da Itália.</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELÓGIO</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRA</translation>
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
        <translation>Contagem regressiva</translation>
    </message>
    <message>
        <source>The ball falls</source>
        <translation>A bola cai</translation>
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
        <translation>T = 365,25 x 24 x 3600  segundos  ... período de translação da Terra = 1 ano</translation>
    </message>
    <message>
        <source>Sun is 330,000 times &apos;heavier&apos; than the earth</source>
        <translation>O Sol é 330 mil vezes mais &apos;pesado&apos; que a Terra</translation>
    </message>
    <message>
        <source>=&gt;  M = 2 x 10       kg</source>
        <translation>=&gt;  M = 2 x 10       kg</translation>
    </message>
    <message>
        <source>R = 1.5 x 10        m  ... distance between earth and sun</source>
        <translation>R = 1,5 x 10        m  ... distância entre a Terra e o Sol</translation>
    </message>
    <message>
        <source>G = 6.6 x 10         Nm     /kg      ... gravity constant</source>
        <translation>G = 6,6 x 10         Nm     /kg      ... constante gravitacional</translation>
    </message>
    <message>
        <source>The mass of the sun M can be calculated using the following values:</source>
        <translation>A massa do Sol M pode ser calculada com os seguintes valores:</translation>
    </message>
    <message>
        <source>M = 4           R    /GT</source>
        <translation>M = 4           R    /GT</translation>
    </message>
    <message>
        <source>Substituting v with 2    R/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Substituindo v por 2    R/T, em que R é a distância entre a Terra e o Sol e T é o período de translação da Terra (=1 ano), na equação (1) e combinando-a com a equação (2), obtemos:</translation>
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
        <translation>F = GMm/R            (2) ... força gravitacional</translation>
    </message>
    <message>
        <source>F = mv   /R             (1) ... centrifugal force</source>
        <translation>F = mv   /R             (1) ... força centrífuga</translation>
    </message>
    <message>
        <source>MASS OF SUN </source>
        <translation>MASSA DO SOL </translation>
    </message>
    <message>
        <source>=&gt;  M = 6 x 10       kg</source>
        <translation>=&gt;  M = 6 x 10       kg</translation>
    </message>
    <message>
        <source>R = 6.3 x 10        m  ... radius of earth</source>
        <translation>R = 6,3 x 10        m  ... raio da Terra</translation>
    </message>
    <message>
        <source>g = 9.8 m/s    ... earth&apos;s gravitational acceleration</source>
        <translation>g = 9,8 m/s    ... aceleração da gravidade na Terra</translation>
    </message>
    <message>
        <source>The mass of the earth M can be calculated using the following values:</source>
        <translation>A massa da Terra M pode ser calculada com os seguintes valores:</translation>
    </message>
    <message>
        <source>g = GM/R       (3)</source>
        <translation>g = GM/R       (3)</translation>
    </message>
    <message>
        <source>From equations (1) and (2), we obtain:</source>
        <translation>Das equações (1) e (2), obtemos:</translation>
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
        <translation>MASSA DA TERRA</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRA</translation>
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
        <translation>g = 9,8 m/s² ... aceleração da gravidade na Terra</translation>
    </message>
    <message>
        <source>G = 6.6 × 10⁻¹¹ N m² / kg² ... gravity constant</source>
        <translation>G = 6,6 × 10⁻¹¹ N m² / kg² ... constante gravitacional</translation>
    </message>
    <message>
        <source>R = 6.3 × 10⁶ m ... radius of earth</source>
        <translation>R = 6,3 × 10⁶ m ... raio da Terra</translation>
    </message>
    <message>
        <source>=&gt; M = 6 × 10²⁴ kg</source>
        <translation>=&gt; M = 6 × 10²⁴ kg</translation>
    </message>
    <message>
        <source>F = m × v² / R (1) ... centrifugal force</source>
        <translation>F = m × v² / R (1) ... força centrífuga</translation>
    </message>
    <message>
        <source>F = G × M × m / R² (2) ... gravitational force</source>
        <translation>F = G × M × m / R² (2) ... força gravitacional</translation>
    </message>
    <message>
        <source>Substituting v with 2πR/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Substituindo v por 2πR/T, em que R é a distância entre a Terra e o Sol e T é o período de translação da Terra (=1 ano), na equação (1) e combinando-a com a equação (2), obtemos:</translation>
    </message>
    <message>
        <source>M = 4π² × R³ / (G × T²)</source>
        <translation>M = 4π² × R³ / (G × T²)</translation>
    </message>
    <message>
        <source>R = 1.5 × 10¹¹ m ... distance between earth and sun</source>
        <translation>R = 1,5 × 10¹¹ m ... distância entre a Terra e o Sol</translation>
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
        <translation>ESPERE!</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 graus</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 graus</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 graus</translation>
    </message>
    <message>
        <source>The stone travels in a PARABOLIC curve</source>
        <translation>A pedra descreve uma curva PARABÓLICA</translation>
    </message>
    <message>
        <source>Equation of Curve:</source>
        <translation>Equação da curva:</translation>
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
        <translation>LANÇAMENTO DE PEDRA NA TERRA E NA LUA</translation>
    </message>
    <message>
        <source>On the moon, stone flies higher and farther and takes more time than on the earth, because the moon&apos;s gravity is weaker than the earth&apos;s gravity. The ratio is about 1:6.</source>
        <translation>Na Lua, a pedra sobe mais alto, vai mais longe e demora mais do que na Terra, porque a gravidade da Lua é mais fraca que a da Terra. A razão é de cerca de 1:6.</translation>
    </message>
    <message>
        <source>Now imagine, how large a field needed to play football on the moon!</source>
        <translation>Agora imagine o tamanho do campo necessário para jogar futebol na Lua!</translation>
    </message>
    <message>
        <source>On earth</source>
        <translation>Na Terra</translation>
    </message>
    <message>
        <source>On moon</source>
        <translation>Na Lua</translation>
    </message>
    <message>
        <source>Throw at 30°</source>
        <translation>Lançamento a 30°</translation>
    </message>
    <message>
        <source>Throw at 45°</source>
        <translation>Lançamento a 45°</translation>
    </message>
    <message>
        <source>Throw at 60°</source>
        <translation>Lançamento a 60°</translation>
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
        <translation>ESPERE!</translation>
    </message>
    <message>
        <source>R = 6.3 x 10      m</source>
        <translation>R = 6,3 x 10      m</translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation>Centro da Terra</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRA</translation>
    </message>
    <message>
        <source>Launching object with</source>
        <translation>Lançamento de um corpo com</translation>
    </message>
    <message>
        <source>Initial Velocity = 9000 m/s</source>
        <translation>Velocidade inicial = 9000 m/s</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 graus</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 graus</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 graus</translation>
    </message>
    <message>
        <source>What kind of curves are these?</source>
        <translation>Que tipo de curvas são estas?</translation>
    </message>
    <message>
        <source>Let&apos;s extend the curves</source>
        <translation>Vamos prolongar as curvas</translation>
    </message>
    <message>
        <source>By extending the curves, we now know that they are all ELLIPSES!</source>
        <translation>Prolongando as curvas, vemos agora que todas são ELIPSES!</translation>
    </message>
    <message>
        <source>All center lines intersect at the earth center</source>
        <translation>Todos os eixos se cruzam no centro da Terra</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lançamento a </translation>
    </message>
    <message>
        <source>The </source>
        <translation>A curva de </translation>
    </message>
    <message>
        <source>° curve extended</source>
        <translation>° prolongada</translation>
    </message>
    <message>
        <source>They are all ellipses</source>
        <translation>Todas são elipses</translation>
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
        <translation>Redesenhar</translation>
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
        <translation>Centro da Terra</translation>
    </message>
    <message>
        <source>An ellipse has two focuses.</source>
        <translation>Uma elipse tem dois focos.</translation>
    </message>
    <message>
        <source>In this case, one of its focus, that is f1, overlaps with the earth center.</source>
        <translation>Aqui, um dos seus focos, f1, coincide com o centro da Terra.</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>TERRA</translation>
    </message>
    <message>
        <source>This kind of calculation is sometimes used for Intercontinental Ballistic Missiles (ICBM)! Missile-defence programmes that aim to stop such a missile in flight rely on the same calculation.</source>
        <translation>Esse tipo de cálculo às vezes é usado para mísseis balísticos intercontinentais (ICBM)! Os programas de defesa antimísseis que tentam deter um desses mísseis em voo se baseiam no mesmo cálculo.</translation>
    </message>
    <message>
        <source>Ellipse&apos; Equation:</source>
        <translation>Equação da elipse:</translation>
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
        <translation>Traçando a elipse</translation>
    </message>
    <message>
        <source>The ellipse&apos;s equations</source>
        <translation>As equações da elipse</translation>
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
        <translation>Vel. inicial</translation>
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
        <translation>ESPERE!</translation>
    </message>
    <message>
        <source>6370 km</source>
        <translation>6370 km</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km acima da superfície da Terra</translation>
    </message>
    <message>
        <source>Let&apos;s extend the disconnected curves</source>
        <translation>Vamos prolongar as curvas interrompidas</translation>
    </message>
    <message>
        <source>Now, what happens if the initial velocity is according to the following equation:</source>
        <translation>Agora, o que acontece se a velocidade inicial obedecer à seguinte equação:</translation>
    </message>
    <message>
        <source>mv  /r = GMm/r</source>
        <translation>mv  /r = GMm/r</translation>
    </message>
    <message>
        <source>The object moves around a circle!</source>
        <translation>O corpo descreve uma circunferência!</translation>
    </message>
    <message>
        <source>A circle is a special case of ellipse. It is an ellipse whose focuses join into a single point, which is the center of circle!</source>
        <translation>A circunferência é um caso especial de elipse: uma elipse cujos focos se juntam num só ponto, o centro da circunferência!</translation>
    </message>
    <message>
        <source>a = b</source>
        <translation>a = b</translation>
    </message>
    <message>
        <source>The </source>
        <translation>A curva de </translation>
    </message>
    <message>
        <source> m/s curve extended</source>
        <translation> m/s prolongada</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Lançamento a </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circle</source>
        <translation>A velocidade para um círculo</translation>
    </message>
    <message>
        <source>Circular orbits</source>
        <translation>Órbitas circulares</translation>
    </message>
    <message>
        <source>A circle is a special ellipse</source>
        <translation>Um círculo é uma elipse especial</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r²</source>
        <translation>m × v² / r = G × M × m / r²</translation>
    </message>
    <message>
        <source>Launch at this initial velocity</source>
        <translation>Lançar com esta velocidade inicial</translation>
    </message>
</context>
<context>
    <name>Lesson9</name>
    <message>
        <source>Let us have the simulation.</source>
        <translation>Vamos ver a simulação.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>RELÓGIO</translation>
    </message>
    <message>
        <source>it travels in a circular orbit. Also, in such condition, exerting forces are balanced and therefore resultant force inside the space station becomes zero. No weight can be measured inside it.</source>
        <translation>ela descreve uma órbita circular. Além disso, nessa situação as forças que atuam se equilibram e, por isso, a força resultante dentro da estação espacial é nula. Lá dentro não se pode medir nenhum peso.</translation>
    </message>
    <message>
        <source>mv   /r = GMm/r    or v = 7837 m/s</source>
        <translation>mv   /r = GMm/r    ou v = 7837 m/s</translation>
    </message>
    <message>
        <source>Its rocket engine drives it into certain velocity that enables it move around the earth in an orbit. When its velocity fulfills the equation:</source>
        <translation>Seu motor de foguete a leva a uma velocidade que lhe permite girar em órbita ao redor da Terra. Quando a velocidade satisfaz a equação:</translation>
    </message>
    <message>
        <source>We now know that the space station orbits the earth for 87 minutes. Therefore astronouts inside it will see sunrise every 87 minutes!!</source>
        <translation>Agora sabemos que a estação espacial dá uma volta na Terra em 87 minutos. Por isso os astronautas a bordo veem o Sol nascer a cada 87 minutos!!</translation>
    </message>
    <message>
        <source>Space shuttles or space stations travel in a height where air does not exist, so there is no air friction. The typical height is around 100 km above the sea.</source>
        <translation>Os ônibus espaciais e as estações espaciais viajam a uma altura onde não há ar, portanto não há atrito com o ar. A altura típica é de cerca de 100 km acima do nível do mar.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lançamento</translation>
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
        <translation>&amp;Aulas</translation>
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
        <translation>-----&lt;O Luz</translation>
    </message>
    <message>
        <source>Command1</source>
        <translation>Command1</translation>
    </message>
    <message>
        <source>Rays from light source </source>
        <translation>Raios da fonte de luz </translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrom</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>cinza-claro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>cinza</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul-claro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde-claro</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>ciano-claro</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>vermelho-claro</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta-claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>Light source </source>
        <translation>Fonte de luz </translation>
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
        <translation>Aula anterior</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Próxima aula</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Mais devagar</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Velocidade normal</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Próximo quadro</translation>
    </message>
    <message>
        <source>Continue after Messages</source>
        <translation>Continuar após mensagens</translation>
    </message>
    <message>
        <source>Projector Colours</source>
        <translation>Cores para projetor</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Salvar imagem…</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>No mail program could be started. Please write to: </source>
        <translation>Não foi possível abrir um programa de e-mail. Escreva para: </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>&amp;Navigation</source>
        <translation>&amp;Navegação</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>Back 10 s</source>
        <translation>Voltar 10 s</translation>
    </message>
    <message>
        <source>Forward 10 s</source>
        <translation>Avançar 10 s</translation>
    </message>
    <message>
        <source>Previous Stage</source>
        <translation>Etapa anterior</translation>
    </message>
    <message>
        <source>Next Stage</source>
        <translation>Próxima etapa</translation>
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
        <translation>não foi possível codificar a imagem</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>Não foi possível salvar a imagem como %1: %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Timeline</source>
        <translation>Linha do tempo</translation>
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
        <translation>Sobre este programa</translation>
    </message>
    <message>
        <source>E-mail: author@example.org</source>
        <translation>E-mail: author@example.org</translation>
    </message>
    <message>
        <source>Orbelune Learning, Bandung, Indonesia</source>
        <translation>Orbelune Learning, Bandung, Indonésia</translation>
    </message>
    <message>
        <source>   Physics courseware written by Dr. Ir. Rina Halim, M.Sc.</source>
        <translation>   Material didático de física escrito por Dr. Ir. Rina Halim, M.Sc.</translation>
    </message>
</context>
<context>
    <name>optics1</name>
    <message>
        <source>CENTER LINE</source>
        <translation>EIXO PRINCIPAL</translation>
    </message>
    <message>
        <source>REFLECTION AT CIRCULAR MIRROR</source>
        <translation>REFLEXÃO EM ESPELHO ESFÉRICO</translation>
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
        <translation>Quanto mais o raio incidente se aproxima do eixo principal, mais o raio refletido se aproxima de passar por um ponto comum, R/2: o foco do espelho côncavo.</translation>
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
        <translation>Por isso a forma parabólica é muito usada em antenas de alto desempenho. Você já viu antenas parabólicas no seu bairro?</translation>
    </message>
    <message>
        <source>Equation of Parabola</source>
        <translation>Equação da parábola</translation>
    </message>
    <message>
        <source>x = a y</source>
        <translation>x = a y</translation>
    </message>
    <message>
        <source>CENTER LINE</source>
        <translation>EIXO PRINCIPAL</translation>
    </message>
    <message>
        <source>REFLECTION AT PARABOLIC MIRROR</source>
        <translation>REFLEXÃO EM ESPELHO PARABÓLICO</translation>
    </message>
    <message>
        <source>Different form circular mirror, a parabolic mirror reflects incoming ray into a focus, regardless of the relative position of the ray from the center line.</source>
        <translation>Ao contrário do espelho côncavo esférico, um espelho parabólico reflete os raios incidentes para um foco, qualquer que seja a posição do raio em relação ao eixo principal.</translation>
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
        <translation>Redesenhar</translation>
    </message>
    <message>
        <source>Note: this is only a sample of parabola antenna</source>
        <translation>Nota: este é apenas um exemplo de antena parabólica</translation>
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
