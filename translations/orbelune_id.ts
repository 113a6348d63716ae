<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>Browser</name>
    <message>
        <source>Click to start</source>
        <translation>Klik untuk mulai</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Memuat…</translation>
    </message>
    <message>
        <source>The lessons could not start here: </source>
        <translation>Pelajaran tidak dapat dimulai di sini: </translation>
    </message>
    <message>
        <source>They need a browser with WebAssembly, and the page opened from a web server (http://), not from a file.</source>
        <translation>Pelajaran memerlukan peramban dengan WebAssembly, dan halaman harus dibuka dari server web (http://), bukan dari berkas.</translation>
    </message>
    <message>
        <source>Orbelune has ended.</source>
        <translation>Orbelune telah selesai.</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Mulai lagi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Full screen is not available here</source>
        <translation>Layar penuh tidak tersedia di sini</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>gambar tidak dapat dikodekan</translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>Gambar tidak dapat disimpan: </translation>
    </message>
    <message>
        <source>The picture could not be copied: this browser gives the page no clipboard here.</source>
        <translation>Gambar tidak dapat disalin: di sini peramban ini tidak memberi halaman akses ke papan klip.</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Gambar disalin</translation>
    </message>
    <message>
        <source>The picture could not be copied: </source>
        <translation>Gambar tidak dapat disalin: </translation>
    </message>
    <message>
        <source>No lesson is called &quot;</source>
        <translation>Tidak ada pelajaran bernama &quot;</translation>
    </message>
    <message>
        <source>&quot;: here is the main menu.</source>
        <translation>&quot;: inilah menu utamanya.</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opsi &apos;%1&apos; tidak dikenal.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nilai setelah &apos;%1&apos; tidak ada.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nilai tak terduga setelah &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Physics courseware: a gravity course of twelve lessons and an optics course of three, which play themselves.</source>
        <translation>Perangkat ajar fisika: kursus gravitasi dua belas pelajaran dan kursus optika tiga pelajaran, yang berjalan sendiri.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Tampilkan bantuan ini lalu selesai.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Tampilkan versi lalu selesai.</translation>
    </message>
    <message>
        <source>Start on this page instead of the main menu: a lesson&apos;s name (Lesson9, optics1) or its window title. An unknown name lists the pages.</source>
        <translation>Mulai di halaman ini, bukan di menu utama: nama pelajaran (Lesson9, optics1) atau judul jendelanya. Nama yang tidak dikenal menampilkan daftar halaman.</translation>
    </message>
    <message>
        <source>Show the pages full screen, without the window frame and the desktop&apos;s panels.</source>
        <translation>Tampilkan halaman dalam layar penuh, tanpa bingkai jendela dan panel desktop.</translation>
    </message>
    <message>
        <source>Draw in projector colours: a white page and every colour dark enough to read on a projector (the View menu&apos;s Projector Colours).</source>
        <translation>Gambar dengan warna proyektor: halaman putih dan setiap warna cukup gelap agar terbaca di proyektor (Warna Proyektor di menu Tampilan).</translation>
    </message>
    <message>
        <source>Show every text in this language: id, de, es, fr, pt_BR or en (by default the system&apos;s language, or the one the Language menu chose last).</source>
        <translation>Tampilkan semua teks dalam bahasa ini: id, de, es, fr, pt_BR atau en (bawaan: bahasa sistem, atau bahasa terakhir yang dipilih di menu Bahasa).</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Coba &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumen tak terduga &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no page is called &apos;%1&apos;; the pages are:</source>
        <translation>tidak ada halaman bernama &apos;%1&apos;; halaman yang ada:</translation>
    </message>
    <message>
        <source>no language is called &apos;%1&apos;; the languages are: %2</source>
        <translation>tidak ada bahasa bernama &apos;%1&apos;; bahasa yang ada: %2</translation>
    </message>
    <message>
        <source>no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>tidak ada layar untuk membuka jendela (DISPLAY maupun WAYLAND_DISPLAY tidak diatur)</translation>
    </message>
    <message>
        <source>the window system could not be started</source>
        <translation>sistem jendela tidak dapat dijalankan</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>tidak dapat membuka jendela: %1</translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>Lesson 1: Law of Gravity</source>
        <translation>Pelajaran 1: Hukum Gravitasi</translation>
    </message>
    <message>
        <source>Lesson 2: Attraction Force</source>
        <translation>Pelajaran 2: Gaya Tarik-Menarik</translation>
    </message>
    <message>
        <source>Lesson 3: Earth&apos;s Gravitational Acceleration</source>
        <translation>Pelajaran 3: Percepatan Gravitasi Bumi</translation>
    </message>
    <message>
        <source>Lesson 4: How &apos;heavy&apos; are earth and sun?</source>
        <translation>Pelajaran 4: Seberapa &apos;Berat&apos; Bumi dan Matahari?</translation>
    </message>
    <message>
        <source>Lesson 5: Gravity on Earth and Moon</source>
        <translation>Pelajaran 5: Gravitasi di Bumi dan di Bulan</translation>
    </message>
    <message>
        <source>Lesson 6: Gravity on Earth (Large Scale)</source>
        <translation>Pelajaran 6: Gravitasi Bumi (Skala Besar)</translation>
    </message>
    <message>
        <source>Lesson 7: More Explanation on Elliptical Curve</source>
        <translation>Pelajaran 7: Penjelasan Lanjut tentang Kurva Elips</translation>
    </message>
    <message>
        <source>Lesson 8: Trajectory of Object around Gravity</source>
        <translation>Pelajaran 8: Lintasan Benda dalam Medan Gravitasi</translation>
    </message>
    <message>
        <source>Lesson 9: Space Station and Space Shuttle</source>
        <translation>Pelajaran 9: Stasiun Luar Angkasa dan Pesawat Ulang-Alik</translation>
    </message>
    <message>
        <source>Lesson 10: Satellites</source>
        <translation>Pelajaran 10: Satelit</translation>
    </message>
    <message>
        <source>Lesson 11: Moon&apos;s Orbit</source>
        <translation>Pelajaran 11: Orbit Bulan</translation>
    </message>
    <message>
        <source>Lesson 12: Hyperbolic Trajectory</source>
        <translation>Pelajaran 12: Lintasan Hiperbolik</translation>
    </message>
    <message>
        <source>Reflection at Circular Mirror</source>
        <translation>Pemantulan pada Cermin Sferis</translation>
    </message>
    <message>
        <source>Reflection at Parabolic Mirror</source>
        <translation>Pemantulan pada Cermin Parabola</translation>
    </message>
    <message>
        <source>3D Image of Parabola Antenna</source>
        <translation>Gambar 3D Antena Parabola</translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation>Gravitasi</translation>
    </message>
    <message>
        <source>Optics</source>
        <translation>Optika</translation>
    </message>
</context>
<context>
    <name>Language menu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Bahasa</translation>
    </message>
</context>
<context>
    <name>Lesson1</name>
    <message>
        <source>Both have similar forms!</source>
        <translation>Bentuk keduanya serupa!</translation>
    </message>
    <message>
        <source>... a constant </source>
        <translation>... sebuah konstanta </translation>
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
        <translation>... adalah konstanta gravitasi umum</translation>
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
        <translation>Perbandingan dengan Gaya Listrik</translation>
    </message>
    <message>
        <source>GRAVITATIONAL FORCE</source>
        <translation>GAYA GRAVITASI</translation>
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
        <translation>TUNGGU!</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>jam</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>WAKTU</translation>
    </message>
    <message>
        <source>where R is the position of the satellite in relative to the earth center; T is the rotational period of the earth, that is 24 hours; G is universal gravity constant and M is the mass of the earth.</source>
        <translation>dengan R jarak satelit dari pusat Bumi; T periode rotasi Bumi, yaitu 24 jam; G konstanta gravitasi umum; dan M massa Bumi.</translation>
    </message>
    <message>
        <source>Now let us take a look at non-stationary satellite.</source>
        <translation>Sekarang mari kita amati satelit nongeostasioner.</translation>
    </message>
    <message>
        <source>There are two kinds of satellite; non-geostationary and geostationary. A geostationary satellite looks like unmoving according to an observer on the earth. The position of its orbit can be determined using the following equation:</source>
        <translation>Ada dua jenis satelit: nongeostasioner dan geostasioner. Satelit geostasioner tampak diam bagi pengamat di Bumi. Letak orbitnya dapat ditentukan dengan persamaan berikut:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> hours passed</source>
        <translation> jam berlalu</translation>
    </message>
    <message>
        <source>A geostationary satellite</source>
        <translation>Satelit geostasioner</translation>
    </message>
    <message>
        <source>The geostationary orbit traced</source>
        <translation>Orbit geostasioner tergambar</translation>
    </message>
    <message>
        <source>The lower orbit traced</source>
        <translation>Orbit yang lebih rendah tergambar</translation>
    </message>
    <message>
        <source>A satellite that is not stationary</source>
        <translation>Satelit yang tidak stasioner</translation>
    </message>
    <message>
        <source>A satellite on a lower orbit</source>
        <translation>Satelit pada orbit lebih rendah</translation>
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
        <translation>Penampakan Bulan</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>TUNGGU!</translation>
    </message>
    <message>
        <source>days</source>
        <translation>hari</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>WAKTU</translation>
    </message>
    <message>
        <source>The violet curve is the present orbit of the moon. And the green one is the orbit if the distance is half of present distance.</source>
        <translation>Kurva ungu adalah orbit Bulan saat ini, sedangkan kurva hijau adalah orbitnya jika jaraknya setengah jarak sekarang.</translation>
    </message>
    <message>
        <source>The moon would travel faster if its position was half of the present position.</source>
        <translation>Bulan akan bergerak lebih cepat jika jaraknya setengah jarak sekarang.</translation>
    </message>
    <message>
        <source>Have you ever imagined what would happen if the moon&apos;s orbit was half of now&apos;s? The most serious consequence is that the moon&apos;s period would change; &apos;One lunar month&apos; would become shorter than it is now. Let us examine how it happens here. Again the equation that rules this is:</source>
        <translation>Pernahkah kamu membayangkan apa yang terjadi jika orbit Bulan hanya setengah orbit sekarang? Akibat terpentingnya, periode Bulan berubah; &apos;satu bulan kamariah&apos; menjadi lebih pendek daripada sekarang. Mari kita selidiki di sini. Sekali lagi, persamaan yang berlaku adalah:</translation>
    </message>
    <message>
        <source>R    / T   = GM/4</source>
        <translation>R    / T   = GM/4</translation>
    </message>
    <message>
        <source> days passed</source>
        <translation> hari berlalu</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit</source>
        <translation>Orbit Bulan</translation>
    </message>
    <message>
        <source>The moon&apos;s orbit traced</source>
        <translation>Orbit Bulan tergambar</translation>
    </message>
    <message>
        <source>The orbit at half the distance traced</source>
        <translation>Orbit pada setengah jarak tergambar</translation>
    </message>
    <message>
        <source>The moon at half the distance</source>
        <translation>Bulan pada setengah jarak</translation>
    </message>
    <message>
        <source>Flight at half the distance</source>
        <translation>Lintasan pada setengah jarak</translation>
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
        <translation> m/s ... lingkaran</translation>
    </message>
    <message>
        <source>V init = 1.34 * V circle = </source>
        <translation>V init = 1,34 * V circle = </translation>
    </message>
    <message>
        <source> m/s ... elliptical</source>
        <translation> m/s ... elips</translation>
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
        <translation> m/s ... HIPERBOLIK</translation>
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
        <translation>Perhitungan semacam ini berguna saat kita hendak mengirim benda ke planet lain, seperti wahana Galileo dalam ekspedisi ke Jupiter.</translation>
    </message>
    <message>
        <source>In other words, when V init surpasses 1.414 * V circle, the object will not return. It is liberated from the gravitational force ... so, 1.414 * V circle is the velocity of no return!</source>
        <translation>Dengan kata lain, jika V init melebihi 1,414 * V circle, benda tidak akan kembali. Benda itu lepas dari gaya gravitasi ... jadi, 1,414 * V circle adalah kecepatan lepas!</translation>
    </message>
    <message>
        <source>We see here, as V init  surpasses 1.414 * V circle, the trajectory becomes hyperbolic</source>
        <translation>Di sini terlihat, begitu V init melebihi 1,414 * V circle, lintasannya menjadi hiperbolik</translation>
    </message>
    <message>
        <source>   V init =    2  * V circle = 1.414 * V circle</source>
        <translation>   V init =    2  * V circle = 1,414 * V circle</translation>
    </message>
    <message>
        <source>The border between elliptical and hyperbolic orbits is </source>
        <translation>Batas antara orbit elips dan orbit hiperbolik adalah </translation>
    </message>
    <message>
        <source>When the initial velocity of an object moving under gravity surpasses a certain value, its trajectory is no more elliptical, but becomes hyperbolic!</source>
        <translation>Jika kecepatan awal benda yang bergerak karena gravitasi melebihi suatu nilai tertentu, lintasannya tidak lagi berbentuk elips, tetapi menjadi hiperbolik!</translation>
    </message>
    <message>
        <source>  m * V circle / r     = G*M*m ./ r</source>
        <translation>  m * V circle / r     = G*M*m ./ r</translation>
    </message>
    <message>
        <source>Note: V circle is V init that results in circular orbit; it matches the following equation:</source>
        <translation>Catatan: V circle adalah V init yang menghasilkan orbit lingkaran; nilainya memenuhi persamaan berikut:</translation>
    </message>
    <message>
        <source>Downscaling the Earth</source>
        <translation>Memperkecil Skala Bumi</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km di atas permukaan Bumi</translation>
    </message>
    <message>
        <source>WAIT!</source>
        <translation>TUNGGU!</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Initial Velocity</source>
        <translation>Kecepatan Awal</translation>
    </message>
    <message>
        <source> km high from earth surface</source>
        <translation> km di atas permukaan Bumi</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Bumi</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Peluncuran dengan </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circular orbit</source>
        <translation>Kecepatan untuk orbit lingkaran</translation>
    </message>
    <message>
        <source>The velocity of no return</source>
        <translation>Kecepatan lepas</translation>
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
        <translation>Luncurkan dengan kecepatan awal ini</translation>
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
        <translation>Percepatan gravitasi di permukaan Bumi, biasanya dinyatakan dengan      , kira-kira 9,8 m/s .</translation>
    </message>
    <message>
        <source>As M becomes much greater than m, as we see above, m looks like &apos;falling&apos; toward M. This is also true for a stone falling toward the earth. In this case, M is said having &apos;gravitational acceleration&apos;; it means that an object (m) will accelerate due to M&apos;s gravity.</source>
        <translation>Jika M jauh lebih besar daripada m, seperti terlihat di atas, m seolah-olah &apos;jatuh&apos; ke arah M. Hal ini juga berlaku untuk batu yang jatuh ke Bumi. Dalam hal ini, M dikatakan memiliki &apos;percepatan gravitasi&apos;; artinya benda (m) akan dipercepat oleh gravitasi M.</translation>
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
        <translation>Perbandingan massa (M dan m)</translation>
    </message>
    <message>
        <source>Simulation of Attraction Force between two masses which are at rest at initial time</source>
        <translation>Simulasi gaya tarik-menarik antara dua massa yang mula-mula diam</translation>
    </message>
    <message>
        <source>Mass ratio </source>
        <translation>Perbandingan massa </translation>
    </message>
    <message>
        <source>The two masses attract each other</source>
        <translation>Kedua massa saling menarik</translation>
    </message>
    <message>
        <source>The gravitational acceleration on the earth&apos;s surface, usually denoted as g, is about 9.8 m/s².</source>
        <translation>Percepatan gravitasi di permukaan Bumi, biasanya dinyatakan dengan g, kira-kira 9,8 m/s².</translation>
    </message>
    <message>
        <source>Ratio of masses M/m</source>
        <translation>Perbandingan massa M/m</translation>
    </message>
    <message>
        <source>Let the first pair of masses attract</source>
        <translation>Biarkan pasangan massa pertama saling menarik</translation>
    </message>
    <message>
        <source>Let the second pair of masses attract</source>
        <translation>Biarkan pasangan massa kedua saling menarik</translation>
    </message>
    <message>
        <source>Let the third pair of masses attract</source>
        <translation>Biarkan pasangan massa ketiga saling menarik</translation>
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
        <translation>TUNGGU!</translation>
    </message>
    <message>
        <source>Throwing an object from Pisa Tower, an inclining tower in Italy, Galileo Galilei did his experiment of gravity there.</source>
        <translation>Dengan menjatuhkan benda dari Menara Pisa, menara miring di Italia, Galileo Galilei melakukan percobaan gravitasinya.</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>WAKTU</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>detik</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>BUMI</translation>
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
        <translation>Hitung mundur</translation>
    </message>
    <message>
        <source>The ball falls</source>
        <translation>Bola jatuh</translation>
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
        <translation>T = 365,25 x 24 x 3600  detik  ... periode revolusi Bumi = 1 tahun</translation>
    </message>
    <message>
        <source>Sun is 330,000 times &apos;heavier&apos; than the earth</source>
        <translation>Matahari 330.000 kali lebih &apos;berat&apos; dari Bumi</translation>
    </message>
    <message>
        <source>=&gt;  M = 2 x 10       kg</source>
        <translation>=&gt;  M = 2 x 10       kg</translation>
    </message>
    <message>
        <source>R = 1.5 x 10        m  ... distance between earth and sun</source>
        <translation>R = 1,5 x 10        m  ... jarak antara Bumi dan Matahari</translation>
    </message>
    <message>
        <source>G = 6.6 x 10         Nm     /kg      ... gravity constant</source>
        <translation>G = 6,6 x 10         Nm     /kg      ... konstanta gravitasi</translation>
    </message>
    <message>
        <source>The mass of the sun M can be calculated using the following values:</source>
        <translation>Massa Matahari M dapat dihitung dengan nilai-nilai berikut:</translation>
    </message>
    <message>
        <source>M = 4           R    /GT</source>
        <translation>M = 4           R    /GT</translation>
    </message>
    <message>
        <source>Substituting v with 2    R/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Gantilah v dengan 2    R/T, dengan R jarak antara Bumi dan Matahari dan T periode revolusi Bumi (=1 tahun), pada persamaan (1), lalu gabungkan dengan persamaan (2); diperoleh:</translation>
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
        <translation>F = GMm/R            (2) ... gaya gravitasi</translation>
    </message>
    <message>
        <source>F = mv   /R             (1) ... centrifugal force</source>
        <translation>F = mv   /R             (1) ... gaya sentrifugal</translation>
    </message>
    <message>
        <source>MASS OF SUN </source>
        <translation>MASSA MATAHARI </translation>
    </message>
    <message>
        <source>=&gt;  M = 6 x 10       kg</source>
        <translation>=&gt;  M = 6 x 10       kg</translation>
    </message>
    <message>
        <source>R = 6.3 x 10        m  ... radius of earth</source>
        <translation>R = 6,3 x 10        m  ... jari-jari Bumi</translation>
    </message>
    <message>
        <source>g = 9.8 m/s    ... earth&apos;s gravitational acceleration</source>
        <translation>g = 9,8 m/s    ... percepatan gravitasi Bumi</translation>
    </message>
    <message>
        <source>The mass of the earth M can be calculated using the following values:</source>
        <translation>Massa Bumi M dapat dihitung dengan nilai-nilai berikut:</translation>
    </message>
    <message>
        <source>g = GM/R       (3)</source>
        <translation>g = GM/R       (3)</translation>
    </message>
    <message>
        <source>From equations (1) and (2), we obtain:</source>
        <translation>Dari persamaan (1) dan (2), diperoleh:</translation>
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
        <translation>MASSA BUMI</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>MATAHARI</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>BUMI</translation>
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
        <translation>g = 9,8 m/s² ... percepatan gravitasi Bumi</translation>
    </message>
    <message>
        <source>G = 6.6 × 10⁻¹¹ N m² / kg² ... gravity constant</source>
        <translation>G = 6,6 × 10⁻¹¹ N m² / kg² ... konstanta gravitasi</translation>
    </message>
    <message>
        <source>R = 6.3 × 10⁶ m ... radius of earth</source>
        <translation>R = 6,3 × 10⁶ m ... jari-jari Bumi</translation>
    </message>
    <message>
        <source>=&gt; M = 6 × 10²⁴ kg</source>
        <translation>=&gt; M = 6 × 10²⁴ kg</translation>
    </message>
    <message>
        <source>F = m × v² / R (1) ... centrifugal force</source>
        <translation>F = m × v² / R (1) ... gaya sentrifugal</translation>
    </message>
    <message>
        <source>F = G × M × m / R² (2) ... gravitational force</source>
        <translation>F = G × M × m / R² (2) ... gaya gravitasi</translation>
    </message>
    <message>
        <source>Substituting v with 2πR/T, where R is the distance between the earth and the sun and T is the period of earth&apos;s revolution (=1 year), into equation (1) and then combine it with equation (2), we obtain:</source>
        <translation>Gantilah v dengan 2πR/T, dengan R jarak antara Bumi dan Matahari dan T periode revolusi Bumi (=1 tahun), pada persamaan (1), lalu gabungkan dengan persamaan (2); diperoleh:</translation>
    </message>
    <message>
        <source>M = 4π² × R³ / (G × T²)</source>
        <translation>M = 4π² × R³ / (G × T²)</translation>
    </message>
    <message>
        <source>R = 1.5 × 10¹¹ m ... distance between earth and sun</source>
        <translation>R = 1,5 × 10¹¹ m ... jarak antara Bumi dan Matahari</translation>
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
        <translation>TUNGGU!</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 derajat</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 derajat</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 derajat</translation>
    </message>
    <message>
        <source>The stone travels in a PARABOLIC curve</source>
        <translation>Batu bergerak menempuh kurva PARABOLA</translation>
    </message>
    <message>
        <source>Equation of Curve:</source>
        <translation>Persamaan Kurva:</translation>
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
        <translation>MELEMPAR BATU DI BUMI DAN DI BULAN</translation>
    </message>
    <message>
        <source>On the moon, stone flies higher and farther and takes more time than on the earth, because the moon&apos;s gravity is weaker than the earth&apos;s gravity. The ratio is about 1:6.</source>
        <translation>Di Bulan, batu melayang lebih tinggi, lebih jauh, dan lebih lama daripada di Bumi, karena gravitasi Bulan lebih lemah daripada gravitasi Bumi. Perbandingannya sekitar 1:6.</translation>
    </message>
    <message>
        <source>Now imagine, how large a field needed to play football on the moon!</source>
        <translation>Bayangkan, betapa luas lapangan yang diperlukan untuk bermain sepak bola di Bulan!</translation>
    </message>
    <message>
        <source>On earth</source>
        <translation>Di Bumi</translation>
    </message>
    <message>
        <source>On moon</source>
        <translation>Di Bulan</translation>
    </message>
    <message>
        <source>Throw at 30°</source>
        <translation>Lemparan 30°</translation>
    </message>
    <message>
        <source>Throw at 45°</source>
        <translation>Lemparan 45°</translation>
    </message>
    <message>
        <source>Throw at 60°</source>
        <translation>Lemparan 60°</translation>
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
        <translation>TUNGGU!</translation>
    </message>
    <message>
        <source>R = 6.3 x 10      m</source>
        <translation>R = 6,3 x 10      m</translation>
    </message>
    <message>
        <source>Earth Center</source>
        <translation>Pusat Bumi</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>BUMI</translation>
    </message>
    <message>
        <source>Launching object with</source>
        <translation>Peluncuran benda dengan</translation>
    </message>
    <message>
        <source>Initial Velocity = 9000 m/s</source>
        <translation>Kecepatan Awal = 9000 m/s</translation>
    </message>
    <message>
        <source>a = 30 degrees</source>
        <translation>a = 30 derajat</translation>
    </message>
    <message>
        <source>a = 45 degrees</source>
        <translation>a = 45 derajat</translation>
    </message>
    <message>
        <source>a = 60 degrees</source>
        <translation>a = 60 derajat</translation>
    </message>
    <message>
        <source>What kind of curves are these?</source>
        <translation>Kurva apakah ini?</translation>
    </message>
    <message>
        <source>Let&apos;s extend the curves</source>
        <translation>Mari perpanjang kurvanya</translation>
    </message>
    <message>
        <source>By extending the curves, we now know that they are all ELLIPSES!</source>
        <translation>Dengan memperpanjang kurva, kini kita tahu semuanya ELIPS!</translation>
    </message>
    <message>
        <source>All center lines intersect at the earth center</source>
        <translation>Semua sumbu utama berpotongan di pusat Bumi</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Peluncuran dengan </translation>
    </message>
    <message>
        <source>The </source>
        <translation>Kurva </translation>
    </message>
    <message>
        <source>° curve extended</source>
        <translation>° diperpanjang</translation>
    </message>
    <message>
        <source>They are all ellipses</source>
        <translation>Semuanya elips</translation>
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
        <translation>Gambar Ulang</translation>
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
        <translation>Pusat Bumi</translation>
    </message>
    <message>
        <source>An ellipse has two focuses.</source>
        <translation>Elips mempunyai dua titik fokus.</translation>
    </message>
    <message>
        <source>In this case, one of its focus, that is f1, overlaps with the earth center.</source>
        <translation>Dalam hal ini, salah satu fokusnya, yaitu f1, berimpit dengan pusat Bumi.</translation>
    </message>
    <message>
        <source>EARTH</source>
        <translation>BUMI</translation>
    </message>
    <message>
        <source>This kind of calculation is sometimes used for Intercontinental Ballistic Missiles (ICBM)! Missile-defence programmes that aim to stop such a missile in flight rely on the same calculation.</source>
        <translation>Perhitungan semacam ini kadang dipakai untuk Rudal Balistik Antarbenua (ICBM)! Program pertahanan rudal yang berupaya menghentikan rudal seperti itu saat terbang juga mengandalkan perhitungan yang sama.</translation>
    </message>
    <message>
        <source>Ellipse&apos; Equation:</source>
        <translation>Persamaan Elips:</translation>
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
        <translation>Menggambar elips</translation>
    </message>
    <message>
        <source>The ellipse&apos;s equations</source>
        <translation>Persamaan elips</translation>
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
        <translation>Kecepatan Awal</translation>
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
        <translation>TUNGGU!</translation>
    </message>
    <message>
        <source>6370 km</source>
        <translation>6370 km</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Bumi</translation>
    </message>
    <message>
        <source>2500 km high from earth surface</source>
        <translation>2500 km di atas permukaan Bumi</translation>
    </message>
    <message>
        <source>Let&apos;s extend the disconnected curves</source>
        <translation>Mari perpanjang kurva yang terputus</translation>
    </message>
    <message>
        <source>Now, what happens if the initial velocity is according to the following equation:</source>
        <translation>Sekarang, apa yang terjadi jika kecepatan awalnya memenuhi persamaan berikut:</translation>
    </message>
    <message>
        <source>mv  /r = GMm/r</source>
        <translation>mv  /r = GMm/r</translation>
    </message>
    <message>
        <source>The object moves around a circle!</source>
        <translation>Benda bergerak melingkar!</translation>
    </message>
    <message>
        <source>A circle is a special case of ellipse. It is an ellipse whose focuses join into a single point, which is the center of circle!</source>
        <translation>Lingkaran adalah kasus khusus elips, yaitu elips yang kedua titik fokusnya menyatu menjadi satu titik: pusat lingkaran!</translation>
    </message>
    <message>
        <source>a = b</source>
        <translation>a = b</translation>
    </message>
    <message>
        <source>The </source>
        <translation>Kurva </translation>
    </message>
    <message>
        <source> m/s curve extended</source>
        <translation> m/s diperpanjang</translation>
    </message>
    <message>
        <source>Launch at </source>
        <translation>Peluncuran dengan </translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>The speed for a circle</source>
        <translation>Kecepatan untuk lingkaran</translation>
    </message>
    <message>
        <source>Circular orbits</source>
        <translation>Orbit lingkaran</translation>
    </message>
    <message>
        <source>A circle is a special ellipse</source>
        <translation>Lingkaran adalah elips khusus</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r²</source>
        <translation>m × v² / r = G × M × m / r²</translation>
    </message>
    <message>
        <source>Launch at this initial velocity</source>
        <translation>Luncurkan dengan kecepatan awal ini</translation>
    </message>
</context>
<context>
    <name>Lesson9</name>
    <message>
        <source>Let us have the simulation.</source>
        <translation>Mari kita lihat simulasinya.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>menit</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>WAKTU</translation>
    </message>
    <message>
        <source>it travels in a circular orbit. Also, in such condition, exerting forces are balanced and therefore resultant force inside the space station becomes zero. No weight can be measured inside it.</source>
        <translation>orbitnya berbentuk lingkaran. Selain itu, dalam keadaan ini gaya-gaya yang bekerja seimbang sehingga resultan gaya di dalam stasiun luar angkasa menjadi nol. Di dalamnya tidak ada berat yang dapat diukur.</translation>
    </message>
    <message>
        <source>mv   /r = GMm/r    or v = 7837 m/s</source>
        <translation>mv   /r = GMm/r    atau v = 7837 m/s</translation>
    </message>
    <message>
        <source>Its rocket engine drives it into certain velocity that enables it move around the earth in an orbit. When its velocity fulfills the equation:</source>
        <translation>Mesin roketnya mendorongnya hingga mencapai kecepatan tertentu sehingga dapat mengelilingi Bumi dalam suatu orbit. Jika kecepatannya memenuhi persamaan:</translation>
    </message>
    <message>
        <source>We now know that the space station orbits the earth for 87 minutes. Therefore astronouts inside it will see sunrise every 87 minutes!!</source>
        <translation>Kini kita tahu bahwa stasiun luar angkasa mengelilingi Bumi dalam 87 menit. Jadi, astronaut di dalamnya melihat matahari terbit setiap 87 menit!!</translation>
    </message>
    <message>
        <source>Space shuttles or space stations travel in a height where air does not exist, so there is no air friction. The typical height is around 100 km above the sea.</source>
        <translation>Pesawat ulang-alik atau stasiun luar angkasa bergerak pada ketinggian yang tidak ada udaranya, sehingga tidak ada gesekan udara. Ketinggiannya biasanya sekitar 100 km di atas permukaan laut.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Bumi</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Peluncuran</translation>
    </message>
    <message>
        <source>m × v² / r = G × M × m / r² or v = 7837 m/s</source>
        <translation>m × v² / r = G × M × m / r² atau v = 7837 m/s</translation>
    </message>
</context>
<context>
    <name>Lessons menu</name>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Pelajaran</translation>
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
        <translation>-----&lt;O Cahaya</translation>
    </message>
    <message>
        <source>Command1</source>
        <translation>Command1</translation>
    </message>
    <message>
        <source>Rays from light source </source>
        <translation>Sinar dari sumber cahaya </translation>
    </message>
    <message>
        <source>red</source>
        <translation>merah</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>cokelat</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>abu-abu muda</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>abu-abu</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>biru muda</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>hijau muda</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>sian muda</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>merah muda</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta muda</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>kuning</translation>
    </message>
    <message>
        <source>white</source>
        <translation>putih</translation>
    </message>
    <message>
        <source>Light source </source>
        <translation>Sumber cahaya </translation>
    </message>
    <message>
        <source> of 12, </source>
        <translation> dari 12, </translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Previous Lesson</source>
        <translation>Pelajaran Sebelumnya</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Pelajaran Berikutnya</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu Utama</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Lebih Lambat</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Lebih Cepat</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Kecepatan Normal</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Bingkai Berikutnya</translation>
    </message>
    <message>
        <source>Continue after Messages</source>
        <translation>Lanjut setelah Pesan</translation>
    </message>
    <message>
        <source>Projector Colours</source>
        <translation>Warna Proyektor</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Layar Penuh</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Simpan Gambar…</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Salin Gambar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Sesuaikan Jendela</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Dijeda</translation>
    </message>
    <message>
        <source>No mail program could be started. Please write to: </source>
        <translation>Program surel tidak dapat dijalankan. Silakan menulis ke: </translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>&amp;Navigation</source>
        <translation>&amp;Navigasi</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigasi</translation>
    </message>
    <message>
        <source>Back 10 s</source>
        <translation>Mundur 10 s</translation>
    </message>
    <message>
        <source>Forward 10 s</source>
        <translation>Maju 10 s</translation>
    </message>
    <message>
        <source>Previous Stage</source>
        <translation>Tahap Sebelumnya</translation>
    </message>
    <message>
        <source>Next Stage</source>
        <translation>Tahap Berikutnya</translation>
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
        <translation>gambar tidak dapat dikodekan</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Simpan Gambar</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Gambar PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>Gambar tidak dapat disimpan sebagai %1: %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Timeline</source>
        <translation>Lini waktu</translation>
    </message>
</context>
<context>
    <name>Utama</name>
    <message>
        <source>MAIN MENU</source>
        <translation>MENU UTAMA</translation>
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
        <translation>Tentang program ini</translation>
    </message>
    <message>
        <source>E-mail: author@example.org</source>
        <translation>Surel: author@example.org</translation>
    </message>
    <message>
        <source>Orbelune Learning, Bandung, Indonesia</source>
        <translation>Orbelune Learning, Bandung, Indonesia</translation>
    </message>
    <message>
        <source>   Physics courseware written by Dr. Ir. Rina Halim, M.Sc.</source>
        <translation>   Perangkat ajar fisika karya Dr. Ir. Rina Halim, M.Sc.</translation>
    </message>
</context>
<context>
    <name>optics1</name>
    <message>
        <source>CENTER LINE</source>
        <translation>SUMBU UTAMA</translation>
    </message>
    <message>
        <source>REFLECTION AT CIRCULAR MIRROR</source>
        <translation>PEMANTULAN PADA CERMIN SFERIS</translation>
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
        <translation>Makin dekat sinar datang ke sumbu utama, makin dekat pula sinar pantulnya melewati satu titik bersama, yaitu R/2, yang disebut titik fokus cermin cekung.</translation>
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
        <translation>Karena itu, bentuk parabola sering dipakai untuk antena berkinerja tinggi. Pernahkah kamu melihat antena parabola di sekitarmu?</translation>
    </message>
    <message>
        <source>Equation of Parabola</source>
        <translation>Persamaan Parabola</translation>
    </message>
    <message>
        <source>x = a y</source>
        <translation>x = a y</translation>
    </message>
    <message>
        <source>CENTER LINE</source>
        <translation>SUMBU UTAMA</translation>
    </message>
    <message>
        <source>REFLECTION AT PARABOLIC MIRROR</source>
        <translation>PEMANTULAN PADA CERMIN PARABOLA</translation>
    </message>
    <message>
        <source>Different form circular mirror, a parabolic mirror reflects incoming ray into a focus, regardless of the relative position of the ray from the center line.</source>
        <translation>Berbeda dengan cermin cekung sferis, cermin parabola memantulkan setiap sinar datang ke satu titik fokus, di mana pun letak sinar itu terhadap sumbu utama.</translation>
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
        <translation>Gambar Ulang</translation>
    </message>
    <message>
        <source>Note: this is only a sample of parabola antenna</source>
        <translation>Catatan: ini hanya contoh antena parabola</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>penerima</translation>
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
